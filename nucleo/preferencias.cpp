#include "nucleo/preferencias.h"

#include <QSettings>

namespace preferencias {
namespace {
// Named explicitly: the application's own name is not set yet at start-up.
struct Ajustes : QSettings {
    Ajustes()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zifra"),
                    QStringLiteral("zifra")) {}
};

bool Leer(const char* clave) {
    Ajustes a;
    return a.value(QLatin1String(clave), false).toBool();
}

void Escribir(const char* clave, const QVariant& valor) {
    Ajustes a;
    a.setValue(QLatin1String(clave), valor);
}
} // namespace

bool LeerEnVozAlta() {
    return Leer("voz/leer_en_voz_alta");
}
void FijarLeerEnVozAlta(bool si) {
    Escribir("voz/leer_en_voz_alta", si);
}

int Tamano() {
    Ajustes a;
    const int t = a.value(QStringLiteral("pantalla/tamano"), 100).toInt();
    return (t == 125 || t == 150 || t == 200) ? t : 100;
}
void FijarTamano(int por_ciento) {
    Escribir("pantalla/tamano", por_ciento);
}

bool ColoresPorPosicion() {
    return Leer("pantalla/colores_por_posicion");
}
void FijarColoresPorPosicion(bool si) {
    Escribir("pantalla/colores_por_posicion", si);
}

bool ContrasteAlto() {
    return Leer("pantalla/contraste_alto");
}
void FijarContrasteAlto(bool si) {
    Escribir("pantalla/contraste_alto", si);
}

} // namespace preferencias
