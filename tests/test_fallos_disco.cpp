// Saving when the disk says no: a read-only folder, a full disk, a file or a
// folder taken away between the dialog and the write. The child's results
// must never be lost: the right message, the old file untouched, nothing
// changed in memory, and a later save still works.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "platform/escritorio.h"
#include "fallos.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "results/mejores.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <memory>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QString kCrear = QStringLiteral("E R R O R\n\nProblemas para crear o grabar en archivo.");
const QString kGuardar =
    QStringLiteral("Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo");
const QString kNoExiste =
    QStringLiteral("E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.");
const QString kPuntos =
    QStringLiteral("Error.\n\nNo se ha podido grabar el archivo de puntuaciones.");

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the game holds of its players: names, points and results. Dates
// are left out: an append stamps today's date on the records on purpose.
struct Memoria {
    int32_t num_jugadores;
    ResultsRecord jugadores[kMaxJugadores];
    ScoreEntry puntos[kMaxJugadores + 1];
    static Memoria Ahora() {
        Memoria m;
        m.num_jugadores = juego.num_jugadores;
        std::memcpy(m.jugadores, juego.jugadores, sizeof m.jugadores);
        for (auto& r : m.jugadores)
            r.anio = r.dia = r.mes = 0;
        std::memcpy(m.puntos, juego.puntos, sizeof m.puntos);
        return m;
    }
    bool operator==(const Memoria& o) const {
        return num_jugadores == o.num_jugadores &&
               std::memcmp(jugadores, o.jugadores, sizeof jugadores) == 0 &&
               std::memcmp(puntos, o.puntos, sizeof puntos) == 0;
    }
};

} // namespace

class TestFallosDisco : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QList<std::function<QString()>> respuestas_;
    int pedidos_ = 0;

    QString Juego() const { return dir_->filePath(QStringLiteral("juego")); }
    QString Resultados() const { return dir_->filePath(QStringLiteral("resultad")); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        // Reachable by an ordinary user, for the read-only case run by root.
        QFile::setPermissions(dir_->path(), QFile::Permissions(0x7755));
        QDir(dir_->path()).mkdir(QStringLiteral("juego"));
        QDir(dir_->path()).mkdir(QStringLiteral("resultad"));
        buzon_ = Buzon{};
        buzon_.Instalar();
        plataforma::FijarTamanoPantalla(QSize(800, 600));
        respuestas_.clear();
        pedidos_ = 0;
        resultados::FijarContestadorArchivo([this](const resultados::PeticionArchivo&) {
            ++pedidos_;
            return respuestas_.isEmpty() ? QString() : respuestas_.takeFirst()();
        });
        CrearVentanas();
        juego.directorio_inicial = Juego();
        VolverAlDirectorioInicial();
    }
    void cleanup() {
        delete Form_menu;
        resultados::FijarContestadorArchivo(nullptr);
        plataforma::FijarTamanoPantalla(QSize());
        buzon_.Quitar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void guardar_con_fallo_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<QString>("mensaje"); // empty: the save succeeds
        const QStringList fallos{"solo_lectura", "disco_lleno", "archivo_borrado",
                                 "carpeta_borrada"};
        const QMap<QString, QStringList> mensajes{
            {"guardar_como", {kCrear, kGuardar, {}, kCrear}},
            {"guardar", {kCrear, kGuardar, {}, kCrear}},
            {"anadir", {kGuardar, kGuardar, {}, kNoExiste}},
            {"mejores", {kPuntos, kPuntos, {}, kPuntos}},
        };
        for (auto it = mensajes.begin(); it != mensajes.end(); ++it)
            for (int i = 0; i < fallos.size(); ++i)
                QTest::addRow("%s, %s", qPrintable(it.key()), qPrintable(fallos[i]))
                    << it.key() << fallos[i] << it.value()[i];
    }

    void guardar_con_fallo() {
        QFETCH(QString, orden);
        QFETCH(QString, fallo);
        QFETCH(QString, mensaje);
        const bool mejores = orden == "mejores";
        const QString carpeta = mejores ? Juego() : Resultados();
        const QString archivo =
            mejores ? resultados::RutaPuntuaciones() : Resultados() + QStringLiteral("/clase.rsr");

        // Yesterday's file: one child, saved before.
        JugadoresDePrueba(1);
        PonerNombreJugador(1, QStringLiteral("Ayer"));
        juego.jugadores[0].aciertos[0] = 7;
        juego.puntos[1].puntos = 900;
        if (mejores) {
            resultados::TablaMejores t;
            resultados::OfrecerJugadores(t);
            QVERIFY(resultados::GuardarMejores(archivo, t) == resultados::GuardadoMejores::Bien);
        } else {
            QVERIFY(resultados::EscribirArchivoResultados(archivo, juego.jugadores, 1) ==
                    resultados::Escritura::Bien);
        }
        const QByteArray viejo = Leer(archivo);
        QVERIFY(!viejo.isEmpty());

        // Today's game: three children with results not saved yet.
        JugadoresDePrueba(3);
        PonerNombreJugador(2, QStringLiteral("Begoña"));
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < kTiposEjercicio; ++i) {
                juego.jugadores[k].aciertos[i] = 10 * k + i + 1;
                juego.jugadores[k].fallos[i] = k + i;
            }
        juego.puntos[1].puntos = 1000;
        juego.puntos[2].puntos = 950;
        juego.puntos[3].puntos = 3;
        juego.archivo_resultados = archivo;
        juego.archivo_valido = 1;
        juego.resultados_guardados = 0;
        const Memoria antes = Memoria::Ahora();

        Fallo f(fallo, carpeta, archivo);
        bool boton_activo = false;
        auto guardar = [&] {
            if (mejores) {
                buzon_.dialogos << [&](QDialog* d) {
                    auto* p = static_cast<TForm_puntos*>(d);
                    d->show(); // reads the list and offers today's players
                    f.Poner();
                    QTest::mouseClick(p->Color95Button_guardar, Qt::LeftButton);
                    f.Quitar();
                    boton_activo = p->Color95Button_guardar->isEnabled();
                    d->reject();
                    return d->result();
                };
                AbrirLosDiezMejores();
            } else if (orden == "guardar") {
                f.Poner();
                Form_Resultados->Guardar1->trigger();
                f.Quitar();
            } else {
                // The fault strikes after the dialog, before the write; a second
                // dialog after a failure is cancelled.
                respuestas_ << [&] {
                    f.Poner();
                    return archivo;
                };
                (orden == "anadir" ? Form_Resultados->Aadiralarchivo1
                                   : Form_Resultados->Guardarcomo1)
                    ->trigger();
                f.Quitar();
            }
        };
        guardar();

        QVERIFY(Memoria::Ahora() == antes);
        if (!mensaje.isEmpty()) {
            QCOMPARE(buzon_.Textos(), QStringList{mensaje});
            if (fallo != "carpeta_borrada") QCOMPARE(Leer(archivo), viejo);
            // No half-written file left behind beside it.
            QStringList quedan = QDir(carpeta).entryList(QDir::Files);
            quedan.removeAll(QFileInfo(archivo).fileName());
            QCOMPARE(quedan, QStringList());
            if (mejores)
                QVERIFY(boton_activo);
            else {
                QCOMPARE(int(juego.resultados_guardados), 0);
                QCOMPARE(pedidos_, orden == "guardar" ? 0 : 2);
            }
        } else {
            QCOMPARE(buzon_.Textos(), QStringList());
            if (!mejores) QCOMPARE(int(juego.resultados_guardados), 1);
        }

        // With the disk well again, the same command saves today's game whole.
        buzon_.mensajes.clear();
        const int previos = !mensaje.isEmpty() && orden == "anadir" && QFile::exists(archivo)
                                ? int(Leer(archivo).size() / 72 - 1)
                                : 0;
        if (!mensaje.isEmpty()) {
            f = Fallo(QString(), carpeta, archivo);
            guardar();
            QCOMPARE(buzon_.Textos(), QStringList());
        }
        if (mejores) {
            resultados::TablaMejores t;
            resultados::LeerMejores(archivo, t);
            QCOMPARE(QByteArray(t.filas[0].entrada.nombre), QByteArray("J1"));
            QCOMPARE(t.filas[0].entrada.puntos, 1000);
            QCOMPARE(t.filas[1].entrada.puntos, 950);
        } else {
            std::vector<ResultsRecord> r;
            QVERIFY(resultados::LeerArchivoResultados(archivo, r) == resultados::Lectura::Bien);
            // An append keeps yesterday's record in front of today's.
            QCOMPARE(int(r.size()), previos + 3);
            for (int k = 0; k < 3; ++k) {
                const ResultsRecord& x = r[size_t(previos + k)];
                QVERIFY2(std::memcmp(x.aciertos, juego.jugadores[k].aciertos, sizeof x.aciertos) ==
                                 0 &&
                             QByteArray(x.nombre) == QByteArray(juego.jugadores[k].nombre),
                         qPrintable(QString::number(k)));
            }
            QCOMPARE(int(juego.resultados_guardados), 1);
        }
    }
};

QTEST_MAIN(TestFallosDisco)
#include "test_fallos_disco.moc"
