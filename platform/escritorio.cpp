#include "platform/escritorio.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

namespace plataforma {
namespace {
std::function<bool(const QString&)> g_abridor;
std::function<void(QWidget*)> g_parpadeo;
QSize g_tamano;
} // namespace

bool AbrirDocumento(const QString& ruta) {
    if (g_abridor) return g_abridor(ruta);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

void ParpadearBarraTareas(QWidget* ventana) {
    if (g_parpadeo) {
        g_parpadeo(ventana);
        return;
    }
    QApplication::alert(ventana, 500);
}

QSize TamanoPantalla() {
    if (g_tamano.isValid()) return g_tamano;
    if (QScreen* s = QGuiApplication::primaryScreen()) return s->size();
    return {};
}

void FijarAbridorDocumentos(std::function<bool(const QString&)> f) {
    g_abridor = std::move(f);
}
void FijarObservadorParpadeo(std::function<void(QWidget*)> f) {
    g_parpadeo = std::move(f);
}
void FijarTamanoPantalla(QSize tamano) {
    g_tamano = tamano;
}

} // namespace plataforma
