#include "aprendizaje/diario_escritura.h"

#include "aprendizaje/conexion_sqlite.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/esquema_diario.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>

namespace {
constexpr qint64 kLogGrande = 1 << 20;

// SQLite's result codes that mean the file itself is broken.
bool EsDano(const QSqlError& e) {
    const QString codigo = e.nativeErrorCode();
    return codigo == QLatin1String("11") || codigo == QLatin1String("26");
}

// The three tables with every column this version reads and writes.
bool EsquemaPropio(QSqlDatabase& base, QSqlError& error) {
    QSqlQuery q(base);
    for (const QString& sql : {ConsultaPasosDiario() + QStringLiteral(" LIMIT 0"),
                               ConsultaSesionesDiario() + QStringLiteral(" LIMIT 0"),
                               ConsultaJugadoresDiario() + QStringLiteral(" LIMIT 0")})
        if (!q.exec(sql)) {
            error = q.lastError();
            return false;
        }
    return true;
}

QVariant Opcional(bool hay, int32_t valor) {
    return hay ? QVariant(valor) : QVariant();
}
} // namespace

DiarioEscritura::DiarioEscritura() = default;

DiarioEscritura::~DiarioEscritura() {
    Cerrar();
}

DiarioEscritura::Apertura DiarioEscritura::Abrir(const QString& carpeta, const QString& ordenador,
                                                 const QString& sesion, int64_t inicio) {
    Cerrar();
    apartado_.clear();
    ordenador_ = ordenador;
    sesion_ = sesion;
    inicio_ = inicio;
    if (!QDir().mkpath(carpeta)) return Apertura::NoSePuede;
    ruta_ = QDir(carpeta).filePath(NombreDiario(ordenador));
    bool danado = false;
    const Apertura a = AbrirUnaVez(danado);
    if (!danado) return a;
    // Put aside, never deleted: someone may want to look at it.
    if (!Apartar()) return Apertura::NoSePuede;
    return AbrirUnaVez(danado);
}

DiarioEscritura::Apertura DiarioEscritura::AbrirUnaVez(bool& danado) {
    danado = false;
    auto conexion = std::make_unique<ConexionSqlite>(ruta_, false);
    if (!conexion->Abierta()) return Apertura::NoSePuede;
    QSqlQuery q(conexion->Base());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        danado = EsDano(q.lastError());
        return Apertura::NoSePuede;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kVersionDiario) return Apertura::MasNuevo;
    QSqlError error;
    if (version == kVersionDiario && !EsquemaPropio(conexion->Base(), error)) {
        // Tables that are not ours under a journal's version are as bad as
        // a damaged file; a file held by another program is not.
        const QString codigo = error.nativeErrorCode();
        danado = codigo != QLatin1String("5") && codigo != QLatin1String("6");
        return Apertura::NoSePuede;
    }
    if (version == 0) {
        const QVariant tablas =
            conexion->Valor(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (!tablas.isValid()) return Apertura::NoSePuede;
        // Another program's database under our name.
        if (tablas.toInt() > 0) {
            danado = true;
            return Apertura::NoSePuede;
        }
        if (!conexion->Ejecutar(QStringLiteral("BEGIN"))) return Apertura::NoSePuede;
        for (const QString& sql : SentenciasEsquemaDiario())
            if (!conexion->Ejecutar(sql)) return Apertura::NoSePuede;
        if (!conexion->Ejecutar(QStringLiteral("PRAGMA user_version = %1").arg(kVersionDiario)) ||
            !conexion->Ejecutar(QStringLiteral("COMMIT")))
            return Apertura::NoSePuede;
    }
    // Written in the log, folded in when the child is not typing: a step
    // costs one append, and a killed program loses nothing committed.
    if (conexion->Valor(QStringLiteral("PRAGMA journal_mode = WAL")).toString() !=
            QLatin1String("wal") ||
        !conexion->Ejecutar(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !conexion->Ejecutar(QStringLiteral("PRAGMA wal_autocheckpoint = 0")))
        return Apertura::NoSePuede;
    conexion_ = std::move(conexion);
    if (!Preparar(error)) {
        danado = EsDano(error);
        Cerrar();
        return Apertura::NoSePuede;
    }
    return Apertura::Abierto;
}

bool DiarioEscritura::Preparar(QSqlError& error) {
    QSqlQuery sesion(conexion_->Base());
    sesion.prepare(
        QStringLiteral("INSERT INTO sesiones (ordenador, clave, inicio) VALUES (?, ?, ?)"));
    sesion.addBindValue(ordenador_);
    sesion.addBindValue(sesion_);
    sesion.addBindValue(qint64(inicio_));
    if (!sesion.exec()) {
        // A session already there (the journal reopened in this run).
        QSqlQuery ya(conexion_->Base());
        ya.prepare(QStringLiteral("SELECT id FROM sesiones WHERE clave = ?"));
        ya.addBindValue(sesion_);
        if (!ya.exec() || !ya.next()) {
            error = sesion.lastError();
            return false;
        }
        id_sesion_ = ya.value(0).toLongLong();
    } else {
        id_sesion_ = sesion.lastInsertId().toLongLong();
    }
    insertar_ = std::make_unique<QSqlQuery>(conexion_->Base());
    const bool bien = insertar_->prepare(QStringLiteral(
        "INSERT INTO pasos (sesion, hora, jugador, operacion, ventana, tipo, suma, columnas,"
        " operando1, operando2, operando3, operando4, metodo, marcar, incognita, paso, columna,"
        " correcto, tecleado, acierto, primer_intento, ms)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (!bien) error = insertar_->lastError();
    return bien;
}

bool DiarioEscritura::Apartar() {
    const QString fecha =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString nuevo = ruta_ + QStringLiteral(".danado-") + fecha;
    if (!QFile::rename(ruta_, nuevo)) return false;
    // The log and index of a broken file go with it.
    for (const char* cola : {"-wal", "-shm"})
        if (QFile::exists(ruta_ + QLatin1String(cola)))
            QFile::rename(ruta_ + QLatin1String(cola), nuevo + QLatin1String(cola));
    apartado_ = nuevo;
    return true;
}

int64_t DiarioEscritura::IdJugador(const QString& nombre) {
    const auto it = jugadores_.constFind(nombre);
    if (it != jugadores_.constEnd()) return *it;
    QSqlQuery q(conexion_->Base());
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO jugadores (nombre) VALUES (?)"));
    q.addBindValue(nombre);
    if (!q.exec()) return -1;
    q.prepare(QStringLiteral("SELECT id FROM jugadores WHERE nombre = ?"));
    q.addBindValue(nombre);
    if (!q.exec() || !q.next()) return -1;
    const int64_t id = q.value(0).toLongLong();
    jugadores_.insert(nombre, id);
    return id;
}

bool DiarioEscritura::Registrar(const PasoDiario& d) {
    if (!conexion_) return false;
    if (Insertar(d)) return true;
    // Damage found only now: put the file aside and go on in a new one.
    if (!EsDano(insertar_->lastError())) return false;
    Cerrar();
    bool danado = false;
    if (!Apartar() || AbrirUnaVez(danado) != Apertura::Abierto) return false;
    return Insertar(d);
}

bool DiarioEscritura::Insertar(const PasoDiario& d) {
    const int64_t jugador = IdJugador(d.jugador);
    if (jugador < 0) return false;
    const PasoJuzgado& p = d.paso;
    const bool mental = p.que == PasoJuzgado::Que::RespuestaMental;
    QSqlQuery& q = *insertar_;
    q.bindValue(0, qint64(id_sesion_));
    q.bindValue(1, qint64(d.hora));
    q.bindValue(2, qint64(jugador));
    q.bindValue(3, qint64(p.operacion));
    q.bindValue(4, p.ventana);
    q.bindValue(5, int(TipoDePaso(p)));
    q.bindValue(6, p.suma ? 1 : 0);
    q.bindValue(7, p.columnas);
    for (int i = 0; i < 4; ++i)
        q.bindValue(8 + i, Opcional(i < p.n_operandos, p.operandos[size_t(i)]));
    q.bindValue(12, int(p.metodo));
    q.bindValue(13, int(p.marcar));
    q.bindValue(14, Opcional(mental, p.incognita));
    q.bindValue(15, int(p.que));
    q.bindValue(16, p.columna);
    q.bindValue(17, p.correcto);
    q.bindValue(18, p.tecleado);
    q.bindValue(19, p.acierto ? 1 : 0);
    q.bindValue(20, d.primer_intento ? 1 : 0);
    q.bindValue(21, d.ms);
    return q.exec();
}

bool DiarioEscritura::RegistrarVarios(const std::vector<PasoDiario>& pasos) {
    if (!conexion_ || !conexion_->Ejecutar(QStringLiteral("BEGIN"))) return false;
    for (const PasoDiario& d : pasos)
        if (!Insertar(d)) {
            conexion_->Ejecutar(QStringLiteral("ROLLBACK"));
            return false;
        }
    return conexion_->Ejecutar(QStringLiteral("COMMIT"));
}

void DiarioEscritura::Recoger() {
    // A step appends a page or two to the log: fold it in once it is big.
    if (!conexion_ || QFileInfo(ruta_ + QStringLiteral("-wal")).size() < kLogGrande) return;
    if (!conexion_->Ejecutar(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))) return;
    // The first write to an emptied log syncs its header; let that be now,
    // not on the child's next keystroke.
    conexion_->Ejecutar(
        QStringLiteral("UPDATE sesiones SET inicio = inicio WHERE id = %1").arg(id_sesion_));
}

void DiarioEscritura::Cerrar() {
    insertar_.reset();
    if (conexion_) conexion_->Ejecutar(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    conexion_.reset();
    jugadores_.clear();
}
