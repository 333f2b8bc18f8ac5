// Reading journals, from this computer or any other: untrusted files, read
// with SQLite's defences, row by row checked before anything uses them.
#include "aprendizaje/conexion_sqlite.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/esquema_diario.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <memory>

namespace {

constexpr int kLargoNombreMaximo = 200;

QString NoEsDiario(const QString& ruta) {
    return QStringLiteral("%1 no es un diario de aprendizaje, o está dañado; no se lee.")
        .arg(QDir::toNativeSeparators(ruta));
}

bool Entre(qint64 v, qint64 desde, qint64 hasta) {
    return v >= desde && v <= hasta;
}

// A row as the journal holds it, checked: false when any value is outside
// what this program writes.
bool LeerFila(const QSqlQuery& q, const QHash<qint64, std::pair<QString, QString>>& sesiones,
              const QHash<qint64, QString>& jugadores, PasoDiario& d) {
    const auto sesion = sesiones.constFind(q.value(0).toLongLong());
    const auto jugador = jugadores.constFind(q.value(1).toLongLong());
    if (sesion == sesiones.constEnd() || jugador == jugadores.constEnd()) return false;
    d.ordenador = sesion->first;
    d.sesion = sesion->second;
    d.jugador = *jugador;
    d.hora = q.value(2).toLongLong();
    PasoJuzgado& p = d.paso;
    p.operacion = q.value(3).toLongLong();
    p.ventana = q.value(4).toInt();
    const VentanaEjercicio* v = BuscarVentanaEjercicio(p.ventana);
    if (!v || p.operacion < 0) return false;
    p.suma = q.value(5).toInt() != 0;
    p.columnas = q.value(6).toInt();
    const qint64 que = q.value(14).toLongLong();
    if (!Entre(que, 0, 2) || !Entre(p.columnas, 0, 4)) return false;
    p.que = PasoJuzgado::Que(que);
    const bool mental = p.que == PasoJuzgado::Que::RespuestaMental;
    if (mental != (v->tipo == CalculoMental)) return false;
    p.n_operandos = 0;
    for (int i = 0; i < 4; ++i) {
        const QVariant o = q.value(7 + i);
        if (o.isNull()) break;
        const qint64 n = o.toLongLong();
        if (!Entre(n, mental ? -1000000 : 0, mental ? 1000000 : 9999)) return false;
        p.operandos[size_t(i)] = int32_t(n);
        ++p.n_operandos;
    }
    if (p.n_operandos < (mental ? 3 : 2)) return false;
    const qint64 metodo = q.value(11).toLongLong(), marcar = q.value(12).toLongLong();
    if (!Entre(metodo, 1, 2) || !Entre(marcar, 0, 2)) return false;
    p.metodo = MetodoResta(metodo);
    p.marcar = MarcarLlevadas(marcar);
    p.incognita = q.value(13).isNull() ? -1 : q.value(13).toInt();
    if (mental && !Entre(p.incognita, 0, 2)) return false;
    p.columna = q.value(15).toInt();
    const qint64 correcto = q.value(16).toLongLong(), tecleado = q.value(17).toLongLong();
    if (!Entre(p.columna, 0, 5) || !Entre(correcto, -1000000, 1000000) ||
        !Entre(tecleado, -1, 2147483647))
        return false;
    p.correcto = int32_t(correcto);
    p.tecleado = int32_t(tecleado);
    p.acierto = q.value(18).toInt() != 0;
    d.primer_intento = q.value(19).toInt() != 0;
    const qint64 ms = q.value(20).toLongLong();
    if (!Entre(ms, 0, 2147483647)) return false;
    d.ms = int32_t(ms);
    return true;
}

// Those of the three tables that are tables: a view or anything else under
// their names is not a journal's.
bool TablasPropias(ConexionSqlite& c) {
    QSqlQuery q(c.Base());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND"
                               " name IN ('pasos', 'sesiones', 'jugadores')")) ||
        !q.next())
        return false;
    return q.value(0).toInt() == 3;
}

enum class Resultado { Leido, NoEsDiario, MasNuevo, NoSeAbre };

Resultado LeerUno(ConexionSqlite& c, std::vector<PasoDiario>& pasos, int& malas) {
    if (!c.Abierta()) return Resultado::NoSeAbre;
    QSqlQuery q(c.Base());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return q.lastError().nativeErrorCode() == QLatin1String("14") ? Resultado::NoSeAbre
                                                                      : Resultado::NoEsDiario;
    const int version = q.value(0).toInt();
    if (version > kVersionDiario) return Resultado::MasNuevo;
    if (version < 1 || !TablasPropias(c)) return Resultado::NoEsDiario;

    QHash<qint64, std::pair<QString, QString>> sesiones;
    if (!q.exec(ConsultaSesionesDiario())) return Resultado::NoEsDiario;
    while (q.next())
        sesiones.insert(q.value(0).toLongLong(), {q.value(1).toString().left(kLargoNombreMaximo),
                                                  q.value(2).toString().left(kLargoNombreMaximo)});
    QHash<qint64, QString> jugadores;
    if (!q.exec(ConsultaJugadoresDiario())) return Resultado::NoEsDiario;
    while (q.next())
        jugadores.insert(q.value(0).toLongLong(), q.value(1).toString().left(kLargoNombreMaximo));
    if (!q.exec(ConsultaPasosDiario())) return Resultado::NoEsDiario;
    PasoDiario d;
    while (q.next()) {
        if (LeerFila(q, sesiones, jugadores, d))
            pasos.push_back(d);
        else
            ++malas;
    }
    // Stopped by damage, not by the end: nothing of it is used.
    if (q.lastError().isValid()) return Resultado::NoEsDiario;
    return Resultado::Leido;
}

QStringList Archivos(const QStringList& rutas, QStringList& avisos) {
    QStringList archivos;
    QSet<QString> vistos;
    auto anadir = [&](const QFileInfo& f) {
        const QString canonica = f.canonicalFilePath();
        if (!vistos.contains(canonica)) {
            vistos.insert(canonica);
            archivos << f.filePath();
        }
    };
    for (const QString& ruta : rutas) {
        const QFileInfo f(ruta);
        if (f.isDir()) {
            const QFileInfoList dentro = QDir(ruta).entryInfoList(
                {QStringLiteral("diario-*.sqlite")}, QDir::Files | QDir::Readable, QDir::Name);
            for (const QFileInfo& d : dentro)
                anadir(d);
        } else if (f.isFile()) {
            anadir(f);
        } else {
            avisos << QStringLiteral("No se encuentra %1.").arg(QDir::toNativeSeparators(ruta));
        }
    }
    return archivos;
}

} // namespace

LecturaDiarios LeerDiarios(const QStringList& rutas) {
    LecturaDiarios r;
    for (const QString& archivo : Archivos(rutas, r.avisos)) {
        std::vector<PasoDiario> pasos;
        int malas = 0;
        Resultado leido;
        {
            ConexionSqlite c(archivo, true);
            leido = LeerUno(c, pasos, malas);
        }
        // A folder where the log's index cannot be made: read the file as it is.
        if (leido == Resultado::NoSeAbre) {
            pasos.clear();
            malas = 0;
            ConexionSqlite c(archivo, true, true);
            leido = LeerUno(c, pasos, malas);
        }
        const QString nombre = QDir::toNativeSeparators(archivo);
        switch (leido) {
        case Resultado::Leido:
            r.pasos.insert(r.pasos.end(), pasos.begin(), pasos.end());
            if (malas > 0)
                r.avisos << QStringLiteral("%1: %2 pasos con valores imposibles; no se leen.")
                                .arg(nombre)
                                .arg(malas);
            break;
        case Resultado::MasNuevo:
            r.avisos << QStringLiteral("%1 es de una versión más nueva de Zifra; no se lee.")
                            .arg(nombre);
            break;
        case Resultado::NoEsDiario:
        case Resultado::NoSeAbre:
            r.avisos << NoEsDiario(archivo);
            break;
        }
    }
    return r;
}
