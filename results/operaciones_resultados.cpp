#include "results/operaciones_resultados.h"

#include "nucleo/servicios.h"
#include "platform/mensajes.h"
#include "results/dialogos_archivo.h"

#include <QDir>
#include <algorithm>
#include <cstring>

namespace resultados {

const QString kTextoNoEsResultados =
    QStringLiteral("E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.");
const QString kTextoErrorLeer = QStringLiteral("E R R O R\n\nProblemas al abrir o leer archivo.");
const QString kTextoErrorCrear =
    QStringLiteral("E R R O R\n\nProblemas para crear o grabar en archivo.");
const QString kTextoErrorGuardar =
    QStringLiteral("Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo");
const QString kTextoMuyLargo =
    QStringLiteral("ATENCION\n\nEl fichero de Resultados ya es muy largo.\nDebe guardar en otro "
                   "archivo, con otro nombre.");
const QString kTextoNoExiste =
    QStringLiteral("E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.");

namespace {

int NumJugadoresValido() {
    return std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
}

void Guardados() {
    juego.resultados_guardados = true;
    juego.archivo_valido = true;
}
} // namespace

QString PatronResultados() {
    return QDir(CarpetaResultados()).filePath(QStringLiteral("*.rsr"));
}

void PonerPatronEnRutaDialogo() {
    juego.ruta_dialogo = PatronResultados();
}

void BorrarContadoresJugador(int slot) {
    if (slot < 0 || slot >= kMaxJugadores) return;
    auto& r = juego.jugadores[slot];
    std::memset(r.aciertos, 0, sizeof r.aciertos);
    std::memset(r.fallos, 0, sizeof r.fallos);
    juego.resultados_guardados = false;
}

int ElegirArchivoResultados(QWidget* dueno, std::vector<ResultsRecord>& registros, int maximo) {
    for (;;) {
        const QString ruta = PedirArchivo(
            dueno, {false, QStringLiteral("Abrir archivo de Resultados"), juego.ruta_dialogo});
        if (ruta.isEmpty()) return 0;
        Lectura l;
        {
            CursorDeEspera espera;
            l = LeerArchivoResultados(ruta, registros, maximo);
        }
        if (l == Lectura::Bien) {
            juego.ruta_dialogo = ruta;
            return 1;
        }
        plataforma::AvisarError(l == Lectura::NoEsResultados ? kTextoNoEsResultados
                                                             : kTextoErrorLeer);
    }
}

int LeerResultadosEnTabla(QWidget* dueno) {
    std::vector<ResultsRecord> registros;
    if (!ElegirArchivoResultados(dueno, registros)) return 0;
    NuevoJuegoSinJugadores();
    int k = 0;
    for (const ResultsRecord& r : registros) {
        juego.jugadores[k] = r;
        std::memcpy(juego.puntos[k + 1].nombre, r.nombre, kLargoNombrePuntos);
        juego.puntos[k + 1].nombre[kLargoNombrePuntos - 1] = '\0';
        ++k;
    }
    juego.num_jugadores = k;
    return 1;
}

int EscribirResultados(const QString& ruta) {
    Escritura e;
    {
        CursorDeEspera espera;
        e = EscribirArchivoResultados(ruta, juego.jugadores, NumJugadoresValido());
    }
    switch (e) {
    case Escritura::Bien:
        Guardados();
        return 1;
    case Escritura::NoSePuedeCrear:
        plataforma::AvisarError(kTextoErrorCrear);
        return 0;
    case Escritura::ErrorAlGrabar:
        plataforma::Avisar(kTextoErrorGuardar);
        return 0;
    }
    return 0;
}

int AnadirResultados() {
    Anadido a;
    {
        CursorDeEspera espera;
        a = AnadirArchivoResultados(juego.ruta_dialogo, juego.jugadores, NumJugadoresValido());
    }
    switch (a) {
    case Anadido::Bien:
        Guardados();
        return 1;
    case Anadido::NoEsResultados:
        plataforma::AvisarError(kTextoNoEsResultados);
        return 0;
    case Anadido::MuyLargo:
        plataforma::AvisarError(kTextoMuyLargo);
        return 0;
    case Anadido::NoSePuedeCrear:
        plataforma::AvisarError(kTextoNoExiste);
        return 0;
    case Anadido::ErrorAlGrabar:
        plataforma::Avisar(kTextoErrorGuardar);
        return 0;
    }
    return 0;
}

namespace {
int PedirYHacer(QWidget* dueno, bool anadir) {
    QDir().mkpath(CarpetaResultados());
    for (;;) {
        const QString ruta = PedirArchivo(
            dueno, {true, QStringLiteral("Guardar archivo de Resultados"), juego.ruta_dialogo});
        if (ruta.isEmpty()) return 0;
        juego.ruta_dialogo = ruta;
        if (anadir ? AnadirResultados() : EscribirResultados(ruta)) return 1;
    }
}
} // namespace

int PedirYEscribir(QWidget* dueno) {
    return PedirYHacer(dueno, false);
}
int PedirYAnadir(QWidget* dueno) {
    return PedirYHacer(dueno, true);
}

} // namespace resultados
