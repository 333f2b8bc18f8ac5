#pragma once
// acierto.mid: the short fanfare the game plays on a right answer.

#include <QByteArray>

namespace datos {

QByteArray musicaAcierto();

} // namespace datos
