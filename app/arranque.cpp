#include "app/arranque.h"

#include "app/form_menu.h"
#include "app/linea_ordenes.h"
#include "aprendizaje/registro.h"
#include "mental/ventanas_mentales.h"
#include "nucleo/azar.h"
#include "nucleo/preferencias.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "players/form_acierto.h"
#include "players/form_aviso_error.h"
#include "players/form_jugadores.h"
#include "players/form_muchos_aciertos.h"
#include "results/archivo_resultados.h"
#include "results/form_directorio.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "worksheets/form_paginas.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <exception>
#include <functional>
#include <utility>

namespace {
// Qt fixes the scale when the application is made, so the chosen size is
// set before. A scale the user set by hand wins.
void PonerTamano() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const int tamano = preferencias::Tamano();
    if (tamano == 100) return;
    // 125 % stays 125 %, not rounded to 100 %.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(tamano / 100.0));
}

// This computer's journal, in the results folder, for the whole run.
void AbrirDiario() {
    auto* diario = new RegistroDiario(Form_menu);
    diario->Abrir(resultados::CarpetaResultados());
    Form_menu->PonerDiario(diario);
}

// Runs hecho once, at the first paint of the main window.
class AlPrimerPintado : public QObject {
public:
    AlPrimerPintado(std::function<void()> hecho, QObject* padre)
        : QObject(padre), hecho_(std::move(hecho)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == Form_menu) {
            qApp->removeEventFilter(this);
            hecho_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> hecho_;
};
} // namespace

void PrepararAplicacion(QApplication& app) {
    app.setApplicationName(plataforma::kTituloPrograma);
    app.setApplicationDisplayName(QString());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* traductor = new QTranslator(&app);
    if (traductor->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(traductor);
    // Decoding the 256-pixel icon took as long as building two exercise windows;
    // the window manager gets it just after the main window's first paint.
    app.installEventFilter(new AlPrimerPintado(
        [] {
            QTimer::singleShot(0, qApp, [] {
                QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/zifra.png")));
            });
        },
        &app));
    plataforma::InstalarPistas(app);
}

// The order the windows have always been created in; the rest come with
// their subsystems.
void CrearVentanas() {
    new TForm_menu;
    new TForm_Acierto(Form_menu);
    new TForm_aviso_error(Form_menu);
    new TForm_jugadores(Form_menu);
    new TForm_paginas(Form_menu);
    new TForm_puntos(Form_menu);
    new TForm_Resultados(Form_menu);
    new TForm_muchos_aciertos(Form_menu);
    new TForm_restas3b(Form_menu);
    new TForm_sumas3b(Form_menu);
    new TForm_restas4b(Form_menu);
    new TForm_restas5(Form_menu);
    new TForm_sumas4b(Form_menu);
    new TForm_sumas5(Form_menu);
    new TForm_sumas5b(Form_menu);
    new TForm_restas3(Form_menu);
    new TForm_cmental2(Form_menu);
    new TForm_cmental1(Form_menu);
    new TForm_directorio(Form_menu);
}

int EjecutarZifra(int argc, char** argv) {
    if (EsLineaDeOrdenes(argc, argv)) return EjecutarLineaDeOrdenes(argc, argv);
    PonerTamano();
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    SembrarAzarSinSemilla();
    try {
        CrearVentanas();
        // ZIFRA_SALIR_AL_MOSTRAR=1 ends the program once the main window has
        // been painted, so that start-up time can be measured from outside.
        // exit(), not quit(): quit() asks the windows to close, and this one
        // refuses. The loop ends once this paint is done.
        if (qEnvironmentVariableIntValue("ZIFRA_SALIR_AL_MOSTRAR") == 1)
            qApp->installEventFilter(new AlPrimerPintado([] { QCoreApplication::exit(0); }, qApp));
        // The journal opens once the child sees the game, not before.
        qApp->installEventFilter(new AlPrimerPintado(
            [] { QTimer::singleShot(0, Form_menu, [] { AbrirDiario(); }); }, qApp));
        Form_menu->showMaximized();
        const int r = app.exec();
        delete Form_menu;
        return r;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, plataforma::kTituloPrograma,
                              QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
