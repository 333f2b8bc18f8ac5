// Results files byte for byte, the commands that read, write and append
// them with their messages, and the ten best scores.
#include "nucleo/juego.h"
#include "platform/codepages.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"
#include "results/mejores.h"
#include "results/operaciones_resultados.h"

#include <QtEndian>
#include <QtTest>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace resultados;

namespace {

void Int(QByteArray& b, int pos, int32_t v) {
    qToLittleEndian<int32_t>(v, b.data() + pos);
}

// A record as the file holds it, built by hand: name bytes (CP850) in the
// first 26, then year, day, month and the counters.
QByteArray Registro(const QByteArray& nombre, int32_t anio = 2002, int dia = 3, int mes = 5,
                    int32_t base = 0) {
    QByteArray b(72, '\0');
    std::memcpy(b.data(), nombre.constData(), std::min<qsizetype>(nombre.size(), 26));
    Int(b, 26, anio);
    b[30] = char(dia);
    b[31] = char(mes);
    for (int i = 0; i < 10; ++i)
        Int(b, 32 + 4 * i, base ? base + i : 0);
    return b;
}

QByteArray Cabecera() {
    return Registro("KORU SUMARESTA RES", 2024, 1, 2);
}

QByteArray Muchos(int n) {
    QByteArray b = Cabecera();
    for (int i = 0; i < n; ++i)
        b += Registro("N" + QByteArray::number(i + 1));
    return b;
}

bool Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Players J1..Jn with counters and a fixed date, as after some play.
void Jugadores(int n) {
    JugadoresDePrueba(n);
    for (int k = 0; k < n; ++k) {
        auto& r = juego.jugadores[k];
        r.anio = 2003;
        r.dia = 7;
        r.mes = 11;
        for (int i = 0; i < kTiposEjercicio; ++i) {
            r.aciertos[i] = k * 10 + i;
            r.fallos[i] = k * 10 + i + 5;
        }
    }
}

// Root writes anywhere; the permission faults need an ordinary user.
class SinPrivilegios {
public:
    SinPrivilegios() {
        if (getuid() == 0) activo_ = setresuid(65534, 65534, 0) == 0;
    }
    ~SinPrivilegios() {
        if (activo_) QVERIFY(setresuid(0, 0, 0) == 0);
    }

private:
    bool activo_ = false;
};

// A scores file built by hand: rows "F1".."Fn" with these points.
QByteArray Puntuaciones(const QList<int>& puntos) {
    QByteArray b;
    for (int i = 0; i < puntos.size(); ++i) {
        QByteArray fila(24, '\0');
        const QByteArray nombre = "F" + QByteArray::number(i + 1);
        std::memcpy(fila.data(), nombre.constData(), nombre.size());
        Int(fila, 20, puntos[i]);
        b += fila;
    }
    return b;
}

QList<int> Puntos(const TablaMejores& t) {
    QList<int> v;
    for (const auto& f : t.filas)
        v << f.entrada.puntos;
    return v;
}

QStringList Nombres(const TablaMejores& t) {
    QStringList v;
    for (const auto& f : t.filas)
        v << plataforma::DesdeCp1252(f.entrada.nombre, kLargoNombrePuntos);
    return v;
}

QList<int> Nuevas(const TablaMejores& t) {
    QList<int> v;
    for (const auto& f : t.filas)
        v << f.nueva;
    return v;
}

const QList<int> kLlena = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};

} // namespace

class TestResultados : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList elegidos_; // answers of the file dialogs, "" = cancel
    QList<PeticionArchivo> pedidos_;

    QString Ruta(const QString& nombre) const { return dir_->filePath(nombre); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // The start-up folder is a child, so "resultad" lands in the temp dir.
        QDir(dir_->path()).mkdir(QStringLiteral("juego"));
        IniciarJuego();
        juego.directorio_inicial = Ruta(QStringLiteral("juego"));
        cabecera_resultados = NuevaCabecera(QDate(2024, 2, 1));
        buzon_ = Buzon{};
        buzon_.Instalar();
        elegidos_.clear();
        pedidos_.clear();
        FijarContestadorArchivo([this](const PeticionArchivo& p) {
            pedidos_ << p;
            return elegidos_.isEmpty() ? QString() : elegidos_.takeFirst();
        });
    }
    void cleanup() {
        FijarContestadorArchivo(nullptr);
        buzon_.Quitar();
        dir_.reset();
    }

    void cabecera_y_cero_jugadores() {
        juego.num_jugadores = 0;
        const QString ruta = Ruta("cero.rsr");
        QCOMPARE(EscribirArchivoResultados(ruta, juego.jugadores, 0), Escritura::Bien);
        QCOMPARE(Leer(ruta), Cabecera());
    }

    void registro_byte_a_byte() {
        JugadoresDePrueba(1);
        PonerNombreJugador(1, QStringLiteral("Ana"));
        auto& r = juego.jugadores[0];
        r.anio = 2002;
        r.dia = 3;
        r.mes = 5;
        for (int i = 0; i < 5; ++i) {
            r.aciertos[i] = 100 + i;
            r.fallos[i] = 105 + i;
        }
        const QString ruta = Ruta("uno.rsr");
        QCOMPARE(EscribirArchivoResultados(ruta, juego.jugadores, 1), Escritura::Bien);
        QCOMPARE(Leer(ruta), Cabecera() + Registro("Ana", 2002, 3, 5, 100));
    }

    void nombres_cp850_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("en_archivo");
        QTest::newRow("eñe") << QStringLiteral("Muñoz") << QByteArray("Mu\xA4oz");
        QTest::newRow("acentos") << QStringLiteral("José Ángel") << QByteArray("Jos\x82 \xB5ngel");
        QTest::newRow("mayúsculas")
            << QStringLiteral("ÑÚÍÉÓ") << QByteArray("\xA5\xE9\xD6\x90\xE0");
        QTest::newRow("diéresis") << QStringLiteral("Güell")
                                  << QByteArray("G\x81"
                                                "ell");
    }
    void nombres_cp850() {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, en_archivo);
        JugadoresDePrueba(2);
        PonerNombreJugador(2, nombre);
        const QString ruta = Ruta("n.rsr");
        QCOMPARE(EscribirArchivoResultados(ruta, juego.jugadores, 2), Escritura::Bien);
        const QByteArray bytes = Leer(ruta);
        QCOMPARE(bytes.size(), 72 * 3);
        QByteArray campo(26, '\0');
        std::memcpy(campo.data(), en_archivo.constData(), en_archivo.size());
        QCOMPARE(bytes.mid(144, 26), campo);
        // Names come back; points are not in the file.
        juego.puntos[2].puntos = 77;
        elegidos_ << ruta;
        QCOMPARE(LeerResultadosEnTabla(nullptr), 1);
        QCOMPARE(juego.num_jugadores, 2);
        QCOMPARE(NombreJugador(2), nombre);
        QCOMPARE(plataforma::DesdeCp1252(juego.puntos[2].nombre, 20), nombre);
        QCOMPARE(juego.puntos[2].puntos, 0);
    }

    void lectura_data() {
        QTest::addColumn<QByteArray>("archivo");
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("cuantos");
        const auto bien = int(Lectura::Bien);
        QByteArray sin_nul = Cabecera();
        sin_nul[18] = 'X';
        QByteArray nul_y_basura = Cabecera();
        std::memcpy(nul_y_basura.data() + 19, "basura", 6);
        QByteArray minusculas = Cabecera();
        minusculas[0] = 'k';
        QByteArray firma_26 = Cabecera();
        std::memcpy(firma_26.data() + 18, "ABCDEFGH", 8);
        QTest::newRow("solo cabecera") << Cabecera() << bien << 0;
        QTest::newRow("60 registros") << Muchos(60) << bien << 50;
        QTest::newRow("cola corta") << Muchos(3) + QByteArray(71, 'x') << bien << 3;
        QTest::newRow("firma, NUL y más") << nul_y_basura + Registro("N1") << bien << 1;
        QTest::newRow("firma sin NUL")
            << sin_nul + Registro("A") << int(Lectura::NoEsResultados) << 0;
        QTest::newRow("sin NUL en 26") << firma_26 << int(Lectura::NoEsResultados) << 0;
        QTest::newRow("minúsculas") << minusculas << int(Lectura::NoEsResultados) << 0;
        QTest::newRow("vacío") << QByteArray() << int(Lectura::ErrorLectura) << 0;
        QTest::newRow("cabecera corta") << Cabecera().left(71) << int(Lectura::ErrorLectura) << 0;
    }
    void lectura() {
        QFETCH(QByteArray, archivo);
        QFETCH(int, estado);
        QFETCH(int, cuantos);
        const QString ruta = Ruta("l.rsr");
        QVERIFY(Escribir(ruta, archivo));
        std::vector<ResultsRecord> v;
        QCOMPARE(int(LeerArchivoResultados(ruta, v)), estado);
        QCOMPARE(int(v.size()), cuantos);
        if (cuantos > 0) QCOMPARE(QByteArray(v.back().nombre), "N" + QByteArray::number(cuantos));
    }

    // Damaged records load cleanly: names cut to the 19 of the names table,
    // counters within 0..32700.
    void registro_danado() {
        QByteArray r = Registro("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1999, 40, 13, 0);
        Int(r, 32, -5);
        Int(r, 36, 2000000000);
        Int(r, 40, 2000000000);
        const QString ruta = Ruta("d.rsr");
        QVERIFY(Escribir(ruta, Cabecera() + r));
        elegidos_ << ruta;
        QCOMPARE(LeerResultadosEnTabla(nullptr), 1);
        QCOMPARE(QByteArray(juego.jugadores[0].nombre), QByteArray("ABCDEFGHIJKLMNOPQRS"));
        QCOMPARE(QByteArray(juego.puntos[1].nombre), QByteArray("ABCDEFGHIJKLMNOPQRS"));
        QCOMPARE(juego.jugadores[0].aciertos[0], 0);
        QCOMPARE(juego.jugadores[0].aciertos[1], kTopeContador);
        QCOMPARE(SumaContadores(juego.jugadores[0].aciertos), 2 * kTopeContador);
        QCOMPARE(juego.jugadores[0].mes, 13);
    }

    void anadir_data() {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("registros_despues");
        QTest::newRow("40 + 10") << Muchos(40) << true << 10 << int(Anadido::Bien) << 50;
        QTest::newRow("40 + 11") << Muchos(40) << true << 11 << int(Anadido::MuyLargo) << 40;
        QTest::newRow("sin archivo") << QByteArray() << false << 3 << int(Anadido::Bien) << 3;
        QTest::newRow("cola corta")
            << Muchos(2) + QByteArray(10, 'x') << true << 1 << int(Anadido::Bien) << 3;
        QTest::newRow("ajeno") << QByteArray(200, 'a') << true << 1 << int(Anadido::NoEsResultados)
                               << -1;
    }
    void anadir() {
        QFETCH(QByteArray, antes);
        QFETCH(bool, existe);
        QFETCH(int, jugadores);
        QFETCH(int, estado);
        QFETCH(int, registros_despues);
        const QString ruta = Ruta("a.rsr");
        if (existe) QVERIFY(Escribir(ruta, antes));
        Jugadores(jugadores);
        QCOMPARE(int(AnadirArchivoResultados(ruta, juego.jugadores, jugadores)), estado);
        const QByteArray despues = Leer(ruta);
        if (estado != int(Anadido::Bien)) {
            QCOMPARE(despues, antes);
            return;
        }
        QCOMPARE(despues.size(), 72 * (registros_despues + 1));
        const int viejos = registros_despues - jugadores;
        // Earlier whole records unchanged, new ones behind them.
        QCOMPARE(despues.left(72 * (viejos + 1)),
                 existe ? antes.left(72 * (viejos + 1)) : Cabecera());
        std::vector<ResultsRecord> v;
        QCOMPARE(LeerArchivoResultados(ruta, v), Lectura::Bien);
        QCOMPARE(QByteArray(v[viejos].nombre), QByteArray("J1"));
        QCOMPARE(v.back().fallos[4], (jugadores - 1) * 10 + 9);
    }

    // Writing over a file that cannot be replaced keeps it byte for byte.
    void fallos_de_escritura_data() {
        QTest::addColumn<bool>("carpeta_protegida");
        QTest::addColumn<bool>("anadir");
        QTest::newRow("carpeta, escribir") << true << false;
        QTest::newRow("archivo, escribir") << false << false;
        QTest::newRow("carpeta, añadir") << true << true;
        QTest::newRow("archivo, añadir") << false << true;
    }
    void fallos_de_escritura() {
        QFETCH(bool, carpeta_protegida);
        QFETCH(bool, anadir);
        const QString carpeta = Ruta("prot");
        QVERIFY(QDir().mkpath(carpeta));
        const QString ruta = carpeta + "/viejo.rsr";
        const QByteArray viejo = Muchos(4);
        QVERIFY(Escribir(ruta, viejo));
        ::chmod(QFile::encodeName(dir_->path()).constData(), 0755);
        ::chmod(QFile::encodeName(ruta).constData(), carpeta_protegida ? 0666 : 0444);
        ::chmod(QFile::encodeName(carpeta).constData(), carpeta_protegida ? 0555 : 0777);
        Jugadores(2);
        const ResultsRecord antes = juego.jugadores[1];
        juego.resultados_guardados = 0;
        juego.ruta_dialogo = ruta;
        {
            SinPrivilegios sin;
            QCOMPARE(anadir ? AnadirResultados() : EscribirResultados(ruta), 0);
        }
        ::chmod(QFile::encodeName(carpeta).constData(), 0777);
        QCOMPARE(Leer(ruta), viejo);
        QCOMPARE(std::memcmp(&antes, &juego.jugadores[1], 72), 0);
        QCOMPARE(int(juego.resultados_guardados), 0);
        QCOMPARE(int(juego.archivo_valido), 0);
        QCOMPARE(buzon_.mensajes.size(), 1);
        // No temporary file is left behind.
        QCOMPARE(QDir(carpeta).entryList(QDir::Files), QStringList{"viejo.rsr"});
    }

    void mejores_ofertas_data() {
        QTest::addColumn<QList<int>>("archivo"); // empty: no file
        QTest::addColumn<int>("grupo");
        QTest::addColumn<QList<int>>("jugadores");
        QTest::addColumn<int>("entraron");
        QTest::addColumn<QStringList>("nombres"); // leading rows
        QTest::addColumn<QList<int>>("puntos");
        QTest::addColumn<QList<int>>("nuevas");
        const QList<int> cero(10, 0);
        QTest::newRow("sin archivo, uno con 12")
            << QList<int>{} << 0 << QList<int>{12} << 1 << QStringList{"J1", ""}
            << QList<int>{12, 0, 0, 0, 0, 0, 0, 0, 0, 0}
            << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("un jugador: sin grupo")
            << QList<int>{} << 30 << QList<int>{5} << 1 << QStringList{"J1", ""}
            << QList<int>{5, 0, 0, 0, 0, 0, 0, 0, 0, 0} << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("dos jugadores: grupo primero")
            << QList<int>{} << 30 << QList<int>{5, 40} << 3
            << QStringList{"J2", "Grupo sin nombre", "J1", ""}
            << QList<int>{40, 30, 5, 0, 0, 0, 0, 0, 0, 0}
            << QList<int>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("grupo a 0 no entra")
            << QList<int>{} << 0 << QList<int>{5, 4} << 2 << QStringList{"J1", "J2", ""}
            << QList<int>{5, 4, 0, 0, 0, 0, 0, 0, 0, 0} << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("cero y negativos") << QList<int>{} << 0 << QList<int>{0, -3} << 0
                                          << QStringList{""} << cero << QList<int>(10, 0);
        QTest::newRow("igual a la décima") << kLlena << 0 << QList<int>{10} << 0
                                           << QStringList{"F1"} << kLlena << QList<int>(10, 0);
        QTest::newRow("uno más que la décima")
            << kLlena << 0 << QList<int>{11} << 1 << QStringList{"F1"}
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 11}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        QTest::newRow("desde la fila 3")
            << kLlena << 0 << QList<int>{85} << 1
            << QStringList{"F1", "F2", "J1", "F3", "F4", "F5", "F6", "F7", "F8", "F9"}
            << QList<int>{100, 90, 85, 80, 70, 60, 50, 40, 30, 20}
            << QList<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("marcas bajan con su fila")
            << QList<int>{50} << 0 << QList<int>{20, 60} << 2 << QStringList{"J2", "F1", "J1", ""}
            << QList<int>{60, 50, 20, 0, 0, 0, 0, 0, 0, 0}
            << QList<int>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("archivo corto")
            << QList<int>{7, 6} << 0 << QList<int>{} << 0 << QStringList{"F1", "F2", ""}
            << QList<int>{7, 6, 0, 0, 0, 0, 0, 0, 0, 0} << QList<int>(10, 0);
    }
    void mejores_ofertas() {
        QFETCH(QList<int>, archivo);
        QFETCH(int, grupo);
        QFETCH(QList<int>, jugadores);
        QFETCH(int, entraron);
        QFETCH(QStringList, nombres);
        QFETCH(QList<int>, puntos);
        QFETCH(QList<int>, nuevas);
        const QString ruta = Ruta("puntos.zfr");
        // A short file ends in half a row, which is ignored.
        if (!archivo.isEmpty()) QVERIFY(Escribir(ruta, Puntuaciones(archivo) + "F3\0\0"));
        JugadoresDePrueba(qMax(1, int(jugadores.size())));
        juego.num_jugadores = int(jugadores.size());
        juego.puntos[0].puntos = grupo;
        for (int k = 0; k < jugadores.size(); ++k)
            juego.puntos[k + 1].puntos = jugadores[k];
        TablaMejores t;
        LeerMejores(ruta, t);
        QCOMPARE(OfrecerJugadores(t), entraron);
        QCOMPARE(Nombres(t).mid(0, nombres.size()), nombres);
        QCOMPARE(Puntos(t), puntos);
        QCOMPARE(Nuevas(t), nuevas);
    }

    void mejores_guardar() {
        TablaMejores t;
        LeerMejores(Ruta("no_hay.zfr"), t);
        QCOMPARE(Puntos(t), QList<int>(10, 0));
        const std::string nombre = plataforma::ACp1252(QStringLiteral("Begoña Muñoz Íñiguez"));
        QCOMPARE(OfrecerPuntos(t, nombre.c_str(), 12), 0);
        QCOMPARE(OfrecerPuntos(t, "Otro", -1), -1);
        const QString ruta = Ruta("puntos.zfr");
        QVERIFY(Escribir(ruta, "viejo"));
        QCOMPARE(GuardarMejores(ruta, t), GuardadoMejores::Bien);
        // 19 characters fit; CP850 bytes in the file; empty rows all zero.
        QByteArray esperado(240, '\0');
        const QByteArray cp850("Bego\xA4"
                               "a Mu\xA4oz \xD6\xA4igue");
        std::memcpy(esperado.data(), cp850.constData(), cp850.size());
        Int(esperado, 20, 12);
        QCOMPARE(Leer(ruta), esperado);
        TablaMejores otra;
        LeerMejores(ruta, otra);
        QCOMPARE(Nombres(otra).first(), QStringLiteral("Begoña Muñoz Íñigue"));
        QCOMPARE(Nuevas(otra), QList<int>(10, 0));
    }

    void mejores_guardar_protegido() {
        const QString ruta = Ruta("puntos.zfr");
        const QByteArray viejo = Puntuaciones(kLlena);
        QVERIFY(Escribir(ruta, viejo));
        ::chmod(QFile::encodeName(dir_->path()).constData(), 0777);
        ::chmod(QFile::encodeName(ruta).constData(), 0444);
        TablaMejores t;
        {
            SinPrivilegios sin;
            QCOMPARE(GuardarMejores(ruta, t), GuardadoMejores::NoSePuedeCrear);
        }
        QCOMPARE(Leer(ruta), viejo);
    }
};

QTEST_MAIN(TestResultados)
#include "test_resultados.moc"
