#include "platform/cursores.h"

#include <QApplication>
#include <QPixmap>

namespace plataforma {

namespace {
// Fingertip of the generated hand picture.
constexpr int kPuntaX = 9;
constexpr int kPuntaY = 1;
bool g_espera = false;
} // namespace

QCursor CursorMano() {
    static const QCursor mano = [] {
        // Only the picture the screen needs is decoded; the hot spot stays
        // in the cursor's own (1x) pixels.
        const bool doble = qApp->devicePixelRatio() > 1.0;
        QPixmap dibujo(doble ? QStringLiteral(":/cursores/cursor_mano@2x.png")
                             : QStringLiteral(":/cursores/cursor_mano.png"));
        if (doble) dibujo.setDevicePixelRatio(2.0);
        return dibujo.isNull() ? QCursor(Qt::PointingHandCursor)
                               : QCursor(dibujo, kPuntaX, kPuntaY);
    }();
    return mano;
}

void PonerCursorEspera() {
    // One remembered cursor, as the old routine kept: a second call only
    // keeps the hourglass.
    if (g_espera) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    g_espera = true;
}

void QuitarCursorEspera() {
    if (!g_espera) return;
    QApplication::restoreOverrideCursor();
    g_espera = false;
}

} // namespace plataforma
