#include "app/arranque.h"

#include "app/form_menu.h"
#include "app/linea_ordenes.h"
#include "mental/ventanas_mentales.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "players/form_acierto.h"
#include "players/form_aviso_error.h"
#include "players/form_jugadores.h"
#include "players/form_muchos_aciertos.h"
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

namespace {
// Decoding the 256-pixel icon took as long as building two exercise windows;
// the window manager gets it just after the main window's first paint.
class IconoTrasPintar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == Form_menu) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/zifra.png")));
            });
            deleteLater();
        }
        return false;
    }
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
    app.installEventFilter(new IconoTrasPintar(&app));
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

namespace {
// ZIFRA_SALIR_AL_MOSTRAR=1 ends the program once the main window has been
// painted, so that start-up time can be measured from outside.
class SalirAlMostrar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == Form_menu) {
            qApp->removeEventFilter(this);
            // exit(), not quit(): quit() asks the windows to close, and this one
            // refuses. It only ends the loop once this paint is done.
            QCoreApplication::exit(0);
        }
        return false;
    }
};
} // namespace

int EjecutarZifra(int argc, char** argv) {
    if (EsLineaDeOrdenes(argc, argv)) return EjecutarLineaDeOrdenes(argc, argv);
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    try {
        CrearVentanas();
        if (qEnvironmentVariableIntValue("ZIFRA_SALIR_AL_MOSTRAR") == 1)
            qApp->installEventFilter(new SalirAlMostrar(qApp));
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
