#include "app/arranque.h"

#include "app/form_menu.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "players/form_jugadores.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

void PrepararAplicacion(QApplication& app) {
    app.setApplicationName(plataforma::kTituloPrograma);
    app.setApplicationDisplayName(QString());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* traductor = new QTranslator(&app);
    if (traductor->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(traductor);
    app.setWindowIcon(QIcon(QStringLiteral(":/iconos/zifra.png")));
    plataforma::InstalarPistas(app);
}

void CrearVentanas() {
    new TForm_menu;
    new TForm_jugadores(Form_menu);
}

int EjecutarZifra(int argc, char** argv) {
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    try {
        CrearVentanas();
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
