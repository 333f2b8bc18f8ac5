#include "aprendizaje/registro.h"

#include "aprendizaje/diario.h"
#include "nucleo/juego.h"
#include "platform/mensajes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

const QString kAvisoDiario = QStringLiteral(
    "No se puede escribir el diario de aprendizaje.\n\nEl juego sigue y los resultados no se "
    "pierden.");

RegistroDiario::RegistroDiario(QObject* padre) : QObject(padre) {
    ordenador_ = NombreOrdenador();
    inicio_ = QDateTime::currentMSecsSinceEpoch();
    sesion_ = QStringLiteral("%1-%2").arg(inicio_).arg(QRandomGenerator::system()->generate64(), 16,
                                                       16, QLatin1Char('0'));
    connect(&AnunciosJuego(), &Anuncios::OperacionEmpezada, this, &RegistroDiario::Empezada);
    connect(&AnunciosJuego(), &Anuncios::Juzgado, this, &RegistroDiario::Juzgado);
}

bool RegistroDiario::Abrir(const QString& carpeta) {
    carpeta_ = carpeta;
    if (diario_.Abrir(carpeta, ordenador_, sesion_, inicio_) == DiarioEscritura::Apertura::Abierto)
        return true;
    Fallar();
    return false;
}

bool RegistroDiario::Borrar() {
    diario_.Cerrar();
    const bool borrado = BorrarDiario(carpeta_);
    return Abrir(carpeta_) && borrado;
}

void RegistroDiario::Empezada(int64_t operacion) {
    operacion_ = operacion;
    intentados_.clear();
    desde_anterior_.start();
    // The log is folded into the file between operations, not on a keystroke.
    if (diario_.Abierto()) QTimer::singleShot(0, this, [this] { diario_.Recoger(); });
}

void RegistroDiario::Juzgado(const PasoJuzgado& paso) {
    // Pressing "Me llevo..." is not a typed answer.
    if (!diario_.Abierto() || paso.que == PasoJuzgado::Que::MeLlevo) return;
    PasoDiario d;
    d.paso = paso;
    d.hora = QDateTime::currentMSecsSinceEpoch();
    d.ordenador = ordenador_;
    d.sesion = sesion_;
    d.jugador = NombreJugador(juego.jugador_actual);
    const quint64 clave = (quint64(paso.que) << 8) | quint64(paso.columna & 0xFF);
    d.primer_intento = paso.operacion != operacion_ || !intentados_.contains(clave);
    if (paso.operacion == operacion_) intentados_.insert(clave);
    d.ms =
        desde_anterior_.isValid() ? int32_t(qMin<qint64>(desde_anterior_.restart(), INT32_MAX)) : 0;
    if (!diario_.Registrar(d)) {
        diario_.Cerrar();
        Fallar();
    }
}

void RegistroDiario::Fallar() {
    if (avisado_) return;
    avisado_ = true;
    plataforma::MostrarMensaje({plataforma::kTituloPrograma, kAvisoDiario, plataforma::Icono::Aviso,
                                plataforma::Botones::Aceptar});
}
