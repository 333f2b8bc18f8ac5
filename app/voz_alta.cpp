#include "app/voz_alta.h"

#include "nucleo/preferencias.h"
#include "voz/escucha_voz.h"

#include <QAction>
#include <QTimer>

void PrepararVozAlta(QAction* leer, QAction* repetir, QObject* dueno) {
    auto* escucha = new EscuchaVoz(dueno);
    escucha->setObjectName(QStringLiteral("EscuchaVoz"));
    repetir->setEnabled(false);
    QObject::connect(leer, &QAction::toggled, escucha, [escucha, repetir](bool si) {
        escucha->Encender(si);
        repetir->setEnabled(si);
        if (si != preferencias::LeerEnVozAlta()) preferencias::FijarLeerEnVozAlta(si);
    });
    QObject::connect(repetir, &QAction::triggered, escucha, &EscuchaVoz::Repetir);
    // The settings file is read once the window is up: start-up never waits
    // on it, nor on speech.
    QTimer::singleShot(0, escucha, [leer] { leer->setChecked(preferencias::LeerEnVozAlta()); });
}
