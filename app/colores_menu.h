#pragma once
// The main window's usual colours.
#include <QColor>

inline const QColor kColorVentana(0xA6, 0xCA, 0xF0);
inline const QColor kAzulPanel(0x00, 0x80, 0xFF);
inline const QColor kMagentaPanel(0xB7, 0x00, 0xB7);
inline const QColor kAmarilloPista(0xFF, 0xFF, 0x80);
