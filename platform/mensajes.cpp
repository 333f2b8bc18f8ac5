#include "platform/mensajes.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

namespace plataforma {

const QString kTituloPrograma = QStringLiteral("Zifra Sumas y Restas");

namespace {
Contestador g_contestador;
ContestadorModal g_contestador_modal;
ObservadorPitido g_observador_pitido;

QMessageBox::Icon IconoQt(Icono i) {
    switch (i) {
    case Icono::Informacion:
        return QMessageBox::Information;
    case Icono::Pregunta:
        return QMessageBox::Question;
    case Icono::Aviso:
        return QMessageBox::Warning;
    case Icono::Error:
        return QMessageBox::Critical;
    case Icono::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

int MostrarMensaje(const Mensaje& m) {
    if (g_contestador) return g_contestador(m);
    QMessageBox caja(IconoQt(m.icono), m.titulo, m.texto, QMessageBox::NoButton,
                     QApplication::activeWindow());
    if (m.botones == Botones::SiNo) {
        caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caja.setDefaultButton(m.por_defecto == RespuestaNo ? QMessageBox::No : QMessageBox::Yes);
    } else {
        caja.setStandardButtons(QMessageBox::Ok);
    }
    const int r = caja.exec();
    if (m.botones == Botones::SiNo) return r == QMessageBox::Yes ? RespuestaSi : RespuestaNo;
    return RespuestaAceptar;
}

bool Preguntar(const QString& texto, Respuesta por_defecto) {
    return MostrarMensaje({kTituloPrograma, texto, Icono::Pregunta, Botones::SiNo, por_defecto}) ==
           RespuestaSi;
}

void Informar(const QString& texto) {
    MostrarMensaje({kTituloPrograma, texto, Icono::Informacion, Botones::Aceptar});
}

void Avisar(const QString& texto) {
    MostrarMensaje({kTituloPrograma, texto, Icono::Ninguno, Botones::Aceptar});
}

void AvisarError(const QString& texto) {
    Pitido();
    MostrarMensaje({kTituloPrograma, texto, Icono::Error, Botones::Aceptar});
}

void Pitido() {
    if (g_observador_pitido)
        g_observador_pitido();
    else
        QApplication::beep();
}

namespace {
// While it lives, the dialog belongs to the window it was raised from: window
// managers give the keyboard back to that window, not to the dialog's owner
// by creation (the main window), when the dialog closes. Asking for the
// focus as well would race the window manager and lose the next key.
class DuenoDeDialogo {
public:
    DuenoDeDialogo(QDialog* dialogo, QWidget* sobre) : dialogo_(dialogo) {
        QWidget* dueno = sobre ? sobre->window() : QApplication::activeWindow();
        if (!dueno || dueno == dialogo || !dueno->isVisible()) return;
        dialogo->createWinId();
        antes_ = dialogo->windowHandle()->transientParent();
        cambiado_ = true;
        dialogo->windowHandle()->setTransientParent(dueno->windowHandle());
    }
    ~DuenoDeDialogo() {
        if (cambiado_ && dialogo_ && dialogo_->windowHandle())
            dialogo_->windowHandle()->setTransientParent(antes_);
    }
    DuenoDeDialogo(const DuenoDeDialogo&) = delete;
    DuenoDeDialogo& operator=(const DuenoDeDialogo&) = delete;

private:
    QPointer<QDialog> dialogo_;
    QPointer<QWindow> antes_;
    bool cambiado_ = false;
};
} // namespace

int EjecutarModal(QDialog* dialogo, QWidget* sobre) {
    DuenoDeDialogo dueno(dialogo, sobre);
    if (g_contestador_modal) return g_contestador_modal(dialogo);
    return dialogo->exec();
}

void FijarContestador(Contestador c) {
    g_contestador = std::move(c);
}
void FijarContestadorModal(ContestadorModal c) {
    g_contestador_modal = std::move(c);
}
void FijarObservadorPitido(ObservadorPitido o) {
    g_observador_pitido = std::move(o);
}

} // namespace plataforma
