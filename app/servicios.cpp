#include "app/servicios.h"

#include "app/form_menu.h"
#include "app/juego.h"
#include "platform/cursores.h"
#include "platform/mensajes.h"
#include "platform/sonidos.h"
#include "platform/ticks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <cstdlib>

int32_t Aleatorio(int32_t n) {
    if (n <= 0) return 0;
    return std::rand() % n;
}

uint32_t Esperar(uint32_t ms) {
    plataforma::AvisarEspera(ms);
    const uint32_t inicio = plataforma::Ticks();
    if (plataforma::EsperasInstantaneas()) return plataforma::Ticks() - inicio;
    plataforma::Dormir(ms);
    // The sleep may wake early; finish the wait on the tick counter.
    while (plataforma::Ticks() - inicio < ms)
        plataforma::Dormir(1);
    return plataforma::Ticks() - inicio;
}

void CursorEspera(int restaurar) {
    if (restaurar)
        plataforma::QuitarCursorEspera();
    else
        plataforma::PonerCursorEspera();
}

QString RutaDeInicio(const QString& ruta) {
    if (QDir::isAbsolutePath(ruta) || juego.directorio_inicial.isEmpty()) return ruta;
    return QDir(juego.directorio_inicial).filePath(ruta);
}

void VolverAlDirectorioInicial() {
    if (!juego.directorio_inicial.isEmpty()) QDir::setCurrent(juego.directorio_inicial);
}

int ExisteArchivo(const QString& ruta) {
    QFile f(RutaDeInicio(ruta));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return 0;
    f.close();
    return 1;
}

void NombreDeArchivo(const QString& ruta, QString& salida) {
    salida = QFileInfo(ruta).fileName();
}

QString TextoTiempo(int32_t segundos) {
    if (segundos < 0) segundos = 0;
    const int32_t minutos = std::min<int32_t>(segundos / 60, 999);
    return QString::asprintf("%3d : %02d", minutos, segundos % 60);
}

QColor ColorPuntos(int32_t puntos) {
    return puntos < 0 ? QColor(Qt::red) : QColor(Qt::blue);
}

namespace {
void PonerColor(QLabel* etiqueta, const QColor& color) {
    QPalette p = etiqueta->palette();
    p.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(p);
}

int32_t Suma(const int32_t (&v)[kTiposEjercicio]) {
    int32_t total = 0;
    for (int32_t x : v)
        total += x;
    return total;
}

// The current player's slot, or nullptr while none is current.
bool HayJugadorActual() {
    return juego.jugador_actual >= 1 && juego.jugador_actual <= kMaxJugadores;
}
} // namespace

void MostrarTiempo() {
    if (Form_menu) Form_menu->Label_tiempo->setText(TextoTiempo(juego.segundos));
}

void MostrarPuntos() {
    if (!Form_menu || !HayJugadorActual()) return;
    const int32_t puntos = juego.puntos[juego.jugador_actual].puntos;
    Form_menu->Label_puntos->setText(QString::number(puntos));
    PonerColor(Form_menu->Label_puntos, ColorPuntos(puntos));
}

void MostrarJugadorActual() {
    if (!Form_menu || !HayJugadorActual()) return;
    const int k = juego.jugador_actual;
    Form_menu->MostrarNombreJugador(NombreJugador(k));
    Form_menu->Label_puntos->setText(QString::number(juego.puntos[k].puntos));
    Form_menu->Label_pacertadas->setText(QString::number(Suma(juego.jugadores[k - 1].aciertos)));
    Form_menu->Label_pfalladas->setText(QString::number(Suma(juego.jugadores[k - 1].fallos)));
}

void Musica(int encender) {
    if (!juego.musica_disponible || !Form_menu) return;
    if (encender)
        Form_menu->MediaPlayer1.Tocar();
    else
        Form_menu->MediaPlayer1.Parar();
}

void SonidoFallo() {
    plataforma::Tocar(plataforma::Sonido::Fallo);
}
void SonidoTecla() {
    plataforma::Tocar(plataforma::Sonido::Tecla);
}
void SonidoAcierto() {
    plataforma::Tocar(plataforma::Sonido::Acierto);
}

void TerminarJuego() {
    if (!juego.resultados_guardados &&
        plataforma::Preguntar(QStringLiteral(
            "\nLos resultados actuales no se han guardado.\n¿ Deseas volver para poder guardarlos "
            "(Opción 'Control de resultados) ?\n")))
        return;
    juego.terminando = 1;
    // The help page opens in the desktop's own viewer, which the user closes.
    if (juego.musica_disponible && Form_menu) Form_menu->MediaPlayer1.Cerrar();
    if (Form_menu) Form_menu->close();
}
