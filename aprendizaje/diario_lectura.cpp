// Reading journals, from this computer or any other: untrusted files, read
// with SQLite's defences, row by row checked before anything uses them.
#include "aprendizaje/conexion_sqlite.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/esquema_diario.h"
#include "aprendizaje/sqlite.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <thread>

namespace {

constexpr int kLargoNombreMaximo = 200;

QString NoEsDiario(const QString& ruta) {
    return QStringLiteral("%1 no es un diario de aprendizaje, o está dañado; no se lee.")
        .arg(QDir::toNativeSeparators(ruta));
}

bool Entre(qint64 v, qint64 desde, qint64 hasta) {
    return v >= desde && v <= hasta;
}

// One row of the steps' query, as SQLite gives it.
struct Fila {
    static constexpr int kColumnas = 21;
    qint64 v[kColumnas];
    bool nulo[kColumnas];
};

// A row as the journal holds it, checked: false when any value is outside
// what this program writes.
bool LeerFila(const Fila& f, const QHash<qint64, std::pair<QString, QString>>& sesiones,
              const QHash<qint64, QString>& jugadores, PasoDiario& d) {
    const auto sesion = sesiones.constFind(f.v[0]);
    const auto jugador = jugadores.constFind(f.v[1]);
    if (sesion == sesiones.constEnd() || jugador == jugadores.constEnd()) return false;
    d.ordenador = sesion->first;
    d.sesion = sesion->second;
    d.jugador = *jugador;
    d.hora = f.v[2];
    PasoJuzgado& p = d.paso;
    if (!Entre(f.v[3], 0, INT64_MAX) || !Entre(f.v[4], INT32_MIN, INT32_MAX)) return false;
    p.operacion = f.v[3];
    p.ventana = int32_t(f.v[4]);
    const VentanaEjercicio* v = BuscarVentanaEjercicio(p.ventana);
    if (!v) return false;
    p.suma = f.v[5] != 0;
    if (!Entre(f.v[6], 0, 4) || !Entre(f.v[14], 0, 2)) return false;
    p.columnas = int(f.v[6]);
    p.que = PasoJuzgado::Que(f.v[14]);
    const bool mental = p.que == PasoJuzgado::Que::RespuestaMental;
    if (mental != (v->tipo == CalculoMental)) return false;
    p.n_operandos = 0;
    for (int i = 0; i < 4 && (i < 2 || !f.nulo[7 + i]); ++i) {
        const qint64 n = f.v[7 + i];
        if (!Entre(n, mental ? -1000000 : 0, mental ? 1000000 : 9999)) return false;
        p.operandos[size_t(i)] = int32_t(n);
        ++p.n_operandos;
    }
    if (p.n_operandos < (mental ? 3 : 2)) return false;
    if (!Entre(f.v[11], 1, 2) || !Entre(f.v[12], 0, 2)) return false;
    p.metodo = MetodoResta(f.v[11]);
    p.marcar = MarcarLlevadas(f.v[12]);
    if (mental && (f.nulo[13] || !Entre(f.v[13], 0, 2))) return false;
    p.incognita = mental ? int(f.v[13]) : -1;
    if (!Entre(f.v[15], 0, 5) || !Entre(f.v[16], -1000000, 1000000) ||
        !Entre(f.v[17], -1, INT32_MAX) || !Entre(f.v[20], 0, INT32_MAX))
        return false;
    p.columna = int(f.v[15]);
    p.correcto = int32_t(f.v[16]);
    p.tecleado = int32_t(f.v[17]);
    p.acierto = f.v[18] != 0;
    d.primer_intento = f.v[19] != 0;
    d.ms = int32_t(f.v[20]);
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
    // Room for every row at once: a school year is a million of them. A row
    // takes some 20 bytes of the file at the least, whatever the file says.
    if (q.exec(QStringLiteral("SELECT max(id) FROM pasos")) && q.next()) {
        const qint64 filas = qMin(q.value(0).toLongLong(), c.Tamano() / 20);
        if (filas > 0) pasos.reserve(pasos.size() + size_t(filas));
    }
    q.finish();
    // A million rows: SQLite's own calls, not a QVariant per value.
    sqlite3* h = c.Manejador();
    const Sqlite* sq = CargarSqlite();
    sqlite3_stmt* consulta = nullptr;
    const QByteArray sql = ConsultaPasosDiario().toUtf8();
    if (!h || !sq ||
        sq->prepare_v2(h, sql.constData(), int(sql.size()), &consulta, nullptr) != SQLITE_OK ||
        sq->column_count(consulta) != Fila::kColumnas) {
        if (sq) sq->finalize(consulta);
        return Resultado::NoEsDiario;
    }
    Fila f;
    int rc;
    while ((rc = sq->step(consulta)) == SQLITE_ROW) {
        for (int i = 0; i < Fila::kColumnas; ++i)
            f.v[i] = sq->column_int64(consulta, i);
        // Only the operands after the second and the hidden term may be
        // missing; elsewhere a missing value reads 0 and is checked as such.
        for (int i : {9, 10, 13})
            f.nulo[i] = sq->column_type(consulta, i) == SQLITE_NULL;
        // Filled where it stays: a million copies less.
        if (!LeerFila(f, sesiones, jugadores, pasos.emplace_back())) {
            pasos.pop_back();
            ++malas;
        }
    }
    sq->finalize(consulta);
    // Stopped by damage, not by the end: nothing of it is used.
    if (rc != SQLITE_DONE) return Resultado::NoEsDiario;
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

namespace {
struct LecturaArchivo {
    Resultado leido = Resultado::NoSeAbre;
    int malas = 0;
    std::vector<PasoDiario> pasos;
};

LecturaArchivo LeerArchivo(const QString& archivo) {
    LecturaArchivo l;
    {
        ConexionSqlite c(archivo, true);
        l.leido = LeerUno(c, l.pasos, l.malas);
    }
    // A folder where the log's index cannot be made: read the file as it is.
    if (l.leido == Resultado::NoSeAbre) {
        l.pasos.clear();
        l.malas = 0;
        ConexionSqlite c(archivo, true, true);
        l.leido = LeerUno(c, l.pasos, l.malas);
    }
    // A file that fails half-way gives nothing.
    if (l.leido != Resultado::Leido) l.pasos = {};
    return l;
}

// One file per core at a time: a class's journals read in about the time
// of the largest. Each thread has its own connection.
std::vector<LecturaArchivo> LeerArchivos(const QStringList& archivos) {
    std::vector<LecturaArchivo> leidas(size_t(archivos.size()));
    if (archivos.isEmpty()) return leidas;
    CargarSqlite(); // once, before the threads
    std::atomic<int> siguiente{0};
    auto trabajar = [&] {
        for (int k = siguiente++; k < archivos.size(); k = siguiente++)
            leidas[size_t(k)] = LeerArchivo(archivos[k]);
    };
    const int hilos = std::clamp(int(std::thread::hardware_concurrency()), 1, int(archivos.size()));
    std::vector<std::thread> otros;
    for (int h = 1; h < hilos; ++h)
        otros.emplace_back(trabajar);
    trabajar();
    for (std::thread& t : otros)
        t.join();
    return leidas;
}
} // namespace

LecturaDiarios LeerDiarios(const QStringList& rutas) {
    LecturaDiarios r;
    const QStringList archivos = Archivos(rutas, r.avisos);
    std::vector<LecturaArchivo> leidas = LeerArchivos(archivos);
    size_t total = 0;
    for (const LecturaArchivo& l : leidas)
        total += l.pasos.size();
    r.pasos.reserve(total);
    // In the files' order, whatever order the threads finished in.
    for (int k = 0; k < archivos.size(); ++k) {
        LecturaArchivo& l = leidas[size_t(k)];
        const QString nombre = QDir::toNativeSeparators(archivos[k]);
        switch (l.leido) {
        case Resultado::Leido:
            ++r.leidos;
            r.pasos.insert(r.pasos.end(), std::make_move_iterator(l.pasos.begin()),
                           std::make_move_iterator(l.pasos.end()));
            l.pasos = {};
            if (l.malas > 0)
                r.avisos << (l.malas == 1
                                 ? QStringLiteral("%1: 1 paso con valores imposibles; no se lee.")
                                       .arg(nombre)
                                 : QStringLiteral(
                                       "%1: %2 pasos con valores imposibles; no se leen.")
                                       .arg(nombre)
                                       .arg(l.malas));
            break;
        case Resultado::MasNuevo:
            r.avisos << QStringLiteral("%1 es de una versión más nueva de Zifra; no se lee.")
                            .arg(nombre);
            break;
        case Resultado::NoEsDiario:
        case Resultado::NoSeAbre:
            r.avisos << NoEsDiario(archivos[k]);
            break;
        }
    }
    return r;
}
