// The learning journal: what a game writes into it, what happens when it
// cannot be written, and reading journals from other computers.
#include "app/form_menu.h"
#include "aprendizaje/conexion_sqlite.h"
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/registro.h"
#include "diarios_prueba.h"
#include "fallos.h"
#include "nino.h"
#include "operaciones.h"
#include "pruebas.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTime>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// "C1:2/2+p": a digit of the units, right 2, typed 2, right, first try;
// L = carry, M = mental answer; r = a later try.
QString Resumen(const std::vector<PasoDiario>& pasos) {
    QStringList r;
    for (const PasoDiario& d : pasos) {
        const char* que[] = {"C", "L", "M", "B"};
        r << QStringLiteral("%1%2:%3/%4%5%6")
                 .arg(QLatin1String(que[int(d.paso.que)]))
                 .arg(d.paso.columna)
                 .arg(d.paso.correcto)
                 .arg(d.paso.tecleado)
                 .arg(QChar(d.paso.acierto ? u'+' : u'-'))
                 .arg(QChar(d.primer_intento ? u'p' : u'r'));
    }
    return r.join(u' ');
}

QByteArray Huella(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

bool Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs SQL on a file, as another program would.
bool Sql(const QString& ruta, const QStringList& sentencias) {
    ConexionSqlite c(ruta, false);
    for (const QString& s : sentencias)
        if (!c.Ejecutar(s)) return false;
    return c.Abierta();
}

PasoDiario Paso(const QString& jugador, int64_t operacion, int columna, bool acierto) {
    PasoDiario d;
    d.jugador = jugador;
    d.hora = 1765000000000 + operacion * 1000 + columna;
    d.paso.ventana = VentanaSumas3b;
    d.paso.operacion = operacion;
    d.paso.columna = columna;
    d.paso.n_operandos = 2;
    d.paso.columnas = 3;
    d.paso.operandos = {123, 456, 0, 0};
    d.paso.correcto = 9;
    d.paso.tecleado = acierto ? 9 : 8;
    d.paso.acierto = acierto;
    return d;
}

} // namespace

class TestDiario : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    Buzon& buzon_ = partida_.buzon;
    std::unique_ptr<QTemporaryDir> dir_;

    QString Carpeta() const { return dir_->filePath(QStringLiteral("resultad")); }
    QString Archivo() const { return QDir(Carpeta()).filePath(NombreDiario(NombreOrdenador())); }
    std::vector<PasoDiario> Leidos() const { return LeerDiarios({Carpeta()}).pasos; }

    // Types a key where the child would: the box that has the cursor, or
    // 'M' for "Me llevo...".
    static void Tecla(QWidget* w, QChar t) {
        if (auto* r = qobject_cast<VentanaResta*>(w); r && t == u'M') {
            QTest::mouseClick(r->Color95Button_ayuda, Qt::LeftButton);
            return;
        }
        auto* v = static_cast<VentanaColumnas*>(w);
        QLineEdit* caja =
            v->Memo_mellevo && v->Memo_mellevo->isVisible() ? v->Memo_mellevo : v->Memo_res;
        QTest::keyClick(caja, t.toLatin1());
    }

    int Avisos() const { return int(buzon_.Textos().count(kAvisoDiario)); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        AbrirAOtros(dir_->path());
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("resultad")));
        AbrirAOtros(Carpeta());
        QVERIFY(QDir::setCurrent(dir_->path()));
        partida_.Empezar();
    }
    void cleanup() {
        partida_.Terminar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void una_cuenta_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("arriba");
        QTest::addColumn<int>("abajo");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("marcar");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("pasos");
        // 127 + 335: the units carry; a wrong carry, then the right one.
        QTest::newRow("sum, carry box") << 44 << 127 << 335 << 1 << 2 << "23164"
                                        << "C1:2/2+p L1:1/3-p L1:1/1+r C2:6/6+p C3:4/4+p";
        // 375 - 128 by hand: the digit before "Me llevo..." and the button
        // where nothing is borrowed are not typed answers.
        QTest::newRow("borrowing, by hand") << 440 << 375 << 128 << 2 << 2 << "7M87M42"
                                            << "C1:7/8-p C1:7/7+r C2:4/4+p C3:2/2+p";
        QTest::newRow("no carries") << 33 << 123 << 456 << 1 << 2 << "9875"
                                    << "C1:9/9+p C2:7/8-p C2:7/7+r C3:5/5+p";
    }
    // Every typed answer of an operation, in order, with its operation.
    void una_cuenta() {
        QFETCH(int, codigo);
        QFETCH(int, arriba);
        QFETCH(int, abajo);
        QFETCH(int, metodo);
        QFETCH(int, marcar);
        QFETCH(QString, teclas);
        RegistroDiario registro;
        QVERIFY(registro.Abrir(Carpeta()));
        juego.modo_restas = MetodoResta(metodo);
        juego.marcar_llevadas = MarcarLlevadas(marcar);
        const qint64 antes = QDateTime::currentMSecsSinceEpoch();
        MostrarVentana(codigo);
        auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(codigo));
        const Operacion op = DosFilas(arriba, abajo, 3);
        if (auto* r = qobject_cast<VentanaResta*>(v))
            r->MostrarResta(op);
        else
            v->MostrarCuenta(op);
        for (QChar t : teclas)
            Tecla(v, t);
        const std::vector<PasoDiario> pasos = Leidos();
        QTEST(Resumen(pasos), "pasos");
        for (const PasoDiario& d : pasos) {
            QCOMPARE(d.paso.ventana, codigo);
            QCOMPARE(d.paso.n_operandos, 2);
            QCOMPARE(d.paso.operandos[0], arriba);
            QCOMPARE(d.paso.operandos[1], abajo);
            QCOMPARE(d.paso.columnas, 3);
            if (codigo == VentanaRestas4b) {
                QCOMPARE(int(d.paso.metodo), metodo);
                QCOMPARE(int(d.paso.marcar), marcar);
            }
            QCOMPARE(d.jugador, QStringLiteral("J1"));
            QCOMPARE(d.ordenador, NombreOrdenador());
            QCOMPARE(d.paso.operacion, pasos.front().paso.operacion);
            QVERIFY(d.hora >= antes && d.hora <= QDateTime::currentMSecsSinceEpoch());
            QVERIFY(d.ms >= 0);
        }
        QCOMPARE(Avisos(), 0);
    }

    // A wrong mental answer, then the right one; the hidden term goes with them.
    void calculo_mental() {
        RegistroDiario registro;
        QVERIFY(registro.Abrir(Carpeta()));
        juego.tipo_juego = TipoJuego::CalculoMental;
        MostrarVentana(VentanaCmental1);
        auto* v = qobject_cast<VentanaMental*>(VentanaDeCodigo(VentanaCmental1));
        const int bien = v->valor_correcto;
        nino::Responder(v, bien + 1);
        nino::Responder(v, bien);
        const std::vector<PasoDiario> pasos = Leidos();
        QCOMPARE(Resumen(pasos), QStringLiteral("M0:%1/%2-p M0:%1/%1+r").arg(bien).arg(bien + 1));
        QCOMPARE(pasos[0].paso.n_operandos, 3);
        QCOMPARE(pasos[0].paso.incognita, 2); // the result, by default
        QCOMPARE(pasos[0].paso.operandos[2], bien);
        QVERIFY(pasos[0].paso.suma);
    }

    void nino_con_un_error_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QList<int>>("cuentas"); // top, bottom, top, bottom...
        QTest::addColumn<int>("columna");        // where the bug shows, 1 = units
        QTest::addColumn<QString>("patron");
        // Takes the smaller digit from the larger where the top one is smaller.
        QTest::newRow("smaller from larger")
            << 440 << QList<int>{375, 128, 462, 138, 583, 246, 694, 358, 351, 127} << 1
            << "menor_del_mayor";
        // Leaves out the carry that comes into the tens.
        QTest::newRow("forgotten carry")
            << 44 << QList<int>{456, 378, 127, 335, 238, 194, 349, 276, 165, 289} << 2
            << "llevada_olvidada";
    }
    // A child with one systematic error plays real windows: the journal's
    // diagnosis confirms that error and no other.
    void nino_con_un_error() {
        QFETCH(int, codigo);
        QFETCH(QList<int>, cuentas);
        QFETCH(int, columna);
        QFETCH(QString, patron);
        RegistroDiario registro;
        QVERIFY(registro.Abrir(Carpeta()));
        juego.marcar_llevadas = MarcarLlevadas::Nunca;
        juego.editar_llevadas = false;
        for (int i = 0; i + 1 < cuentas.size(); i += 2) {
            const int arriba = cuentas[i], abajo = cuentas[i + 1];
            CerrarVentanaActual();
            MostrarVentana(codigo);
            auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(codigo));
            const Operacion op = DosFilas(arriba, abajo, 3);
            auto* r = qobject_cast<VentanaResta*>(v);
            if (r)
                r->MostrarResta(op);
            else
                v->MostrarCuenta(op);
            int llevada = 0;
            for (int c = 0; c < 3; ++c) {
                const int m = op.cifras[0][c], s = op.cifras[1][c];
                int bien, mal;
                if (r) {
                    bien = r->Resta().Resultado(c);
                    mal = s - m; // the bug: the top digit from the bottom one
                } else {
                    bien = (m + s + llevada) % 10;
                    mal = (m + s) % 10; // the bug: the carry left out
                    llevada = (m + s + llevada) / 10;
                }
                if (c + 1 == columna) {
                    QVERIFY2(mal != bien, "the bug must show in every operation");
                    QTest::keyClick(v->Memo_res, char('0' + mal));
                }
                QTest::keyClick(v->Memo_res, char('0' + bien));
            }
            if (!r && llevada) QTest::keyClick(v->Memo_res, char('0' + llevada));
        }
        CerrarVentanaActual();
        const std::vector<DiagnosticoJugador> d = Diagnosticar(Leidos());
        QCOMPARE(d.size(), size_t(1));
        QStringList confirmados, vistos;
        for (const DiagnosticoPatron& p : d[0].patrones) {
            vistos << QString::fromLatin1(p.patron->codigo);
            if (p.estado == EstadoPatron::Confirmado)
                confirmados << QString::fromLatin1(p.patron->codigo);
        }
        QCOMPARE(confirmados, QStringList{patron});
        QCOMPARE(vistos, QStringList{patron});
        QCOMPARE(d[0].operaciones, int(cuentas.size() / 2));
    }

    void no_se_puede_escribir_data() {
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<bool>("al_jugar"); // the fault comes once the journal is open
        QTest::newRow("read-only folder") << "solo_lectura" << false;
        QTest::newRow("full disk") << "disco_lleno" << false;
        QTest::newRow("full disk while playing") << "disco_lleno" << true;
        QTest::newRow("locked by another program") << "bloqueado" << false;
        QTest::newRow("newer version") << "mas_nuevo" << false;
    }
    // The game plays on, says so once, and touches no results file.
    void no_se_puede_escribir() {
        QFETCH(QString, fallo);
        QFETCH(bool, al_jugar);
        const QString resultados = QDir(Carpeta()).filePath(QStringLiteral("clase.rsr"));
        QVERIFY(Escribir(resultados, QByteArray(100, 'r')));
        if (fallo != QLatin1String("solo_lectura"))
            QVERIFY(DiarioDe(Carpeta(), NombreOrdenador(), {}));
        if (fallo == QLatin1String("mas_nuevo"))
            QVERIFY(Sql(Archivo(), {QStringLiteral("PRAGMA user_version = 2")}));
        std::unique_ptr<ConexionSqlite> otro;
        if (fallo == QLatin1String("bloqueado")) {
            otro = std::make_unique<ConexionSqlite>(Archivo(), false);
            QVERIFY(otro->Ejecutar(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        const QByteArray antes = Huella(Archivo());
        Fallo f(fallo == QLatin1String("bloqueado") || fallo == QLatin1String("mas_nuevo")
                    ? QString()
                    : fallo,
                Carpeta(), QString());
        RegistroDiario registro;
        if (!al_jugar) f.Poner();
        const bool abierto = registro.Abrir(Carpeta());
        if (al_jugar) {
            QVERIFY(abierto);
            f.Poner();
        } else {
            QVERIFY(!abierto);
        }
        // Two operations: every step is booked, the message comes once.
        juego.tipo_juego = TipoJuego::SinLlevadas;
        for (int i = 0; i < 2; ++i) {
            MostrarVentana(VentanaSumas3b);
            auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(VentanaSumas3b));
            const int aciertos = v->aciertos;
            nino::ResolverColumnas(v, true);
            QCOMPARE(v->aciertos, aciertos + 3);
            CerrarVentanaActual();
        }
        f.Quitar();
        QCOMPARE(Avisos(), 1);
        QCOMPARE(buzon_.mensajes.size(), 1);
        QCOMPARE(int(buzon_.mensajes[0].icono), int(plataforma::Icono::Aviso));
        QCOMPARE(Huella(resultados),
                 QCryptographicHash::hash(QByteArray(100, 'r'), QCryptographicHash::Sha256));
        if (fallo == QLatin1String("mas_nuevo")) QCOMPARE(Huella(Archivo()), antes);
        otro.reset();
    }

    void archivo_danado_data() {
        QTest::addColumn<QString>("que");
        QTest::newRow("not SQLite") << "basura";
        QTest::newRow("another program's database") << "ajena";
        QTest::newRow("a journal's version, other tables") << "tablas_ajenas";
    }
    // Put aside with its bytes, never deleted, and a new journal started.
    void archivo_danado() {
        QFETCH(QString, que);
        if (que == QLatin1String("basura"))
            QVERIFY(Escribir(Archivo(), QByteArray("SQLite format 3") + QByteArray(5000, '\x7f')));
        else if (que == QLatin1String("ajena"))
            QVERIFY(Sql(Archivo(), {QStringLiteral("CREATE TABLE otra (x)"),
                                    QStringLiteral("INSERT INTO otra VALUES (1)")}));
        else
            QVERIFY(Sql(Archivo(), {QStringLiteral("CREATE TABLE pasos (x)"),
                                    QStringLiteral("PRAGMA user_version = 1")}));
        const QByteArray antes = Huella(Archivo());
        RegistroDiario registro;
        QVERIFY(registro.Abrir(Carpeta()));
        QCOMPARE(Avisos(), 0);
        const QString apartado = registro.Diario().Apartado();
        QVERIFY2(apartado.startsWith(Archivo() + QStringLiteral(".danado-")), qPrintable(apartado));
        QCOMPARE(Huella(apartado), antes);
        MostrarVentana(VentanaSumas3b);
        nino::ResolverColumnas(qobject_cast<VentanaColumnas*>(VentanaDeCodigo(VentanaSumas3b)));
        QCOMPARE(Leidos().size(), size_t(3));
    }

    // Journals of two computers in one folder, read together; what is not
    // a journal is named and skipped, and nothing of it is read.
    void leer_varios() {
        QVERIFY(DiarioDe(
            Carpeta(), QStringLiteral("aula1"),
            {Paso(QStringLiteral("Ana"), 1, 1, true), Paso(QStringLiteral("Ana"), 1, 2, false)}));
        QVERIFY(DiarioDe(Carpeta(), QStringLiteral("aula2"),
                         {Paso(QStringLiteral("Luis"), 1, 1, true)}));
        const QDir d(Carpeta());
        QVERIFY(Escribir(d.filePath(QStringLiteral("diario-roto.sqlite")), QByteArray(3000, 'x')));
        QVERIFY(Sql(d.filePath(QStringLiteral("diario-ajeno.sqlite")),
                    {QStringLiteral("CREATE TABLE t (x)")}));
        QVERIFY(DiarioDe(Carpeta(), QStringLiteral("nuevo"),
                         {Paso(QStringLiteral("Eva"), 1, 1, true)}));
        QVERIFY(Sql(d.filePath(NombreDiario(QStringLiteral("nuevo"))),
                    {QStringLiteral("PRAGMA user_version = 9")}));
        QVERIFY(DiarioDe(
            Carpeta(), QStringLiteral("raro"),
            {Paso(QStringLiteral("Pepe"), 1, 1, true), Paso(QStringLiteral("Pepe"), 1, 2, true)}));
        QVERIFY(Sql(d.filePath(NombreDiario(QStringLiteral("raro"))),
                    {QStringLiteral("UPDATE pasos SET ventana = 999 WHERE columna = 2")}));
        QVERIFY(Escribir(d.filePath(QStringLiteral("notas.txt")), "no es un diario"));

        const LecturaDiarios l =
            LeerDiarios({Carpeta(), d.filePath(QStringLiteral("no-esta.sqlite"))});
        QStringList quien;
        for (const PasoDiario& p : l.pasos)
            quien << p.ordenador + u'/' + p.jugador;
        quien.sort();
        QCOMPARE(quien, (QStringList{"aula1/Ana", "aula1/Ana", "aula2/Luis", "raro/Pepe"}));
        QCOMPARE(l.avisos.size(), 5);
        auto nombra = [&](const QString& parte) { return l.avisos.filter(parte).size() == 1; };
        QVERIFY2(nombra(QStringLiteral("diario-roto.sqlite no es un diario")),
                 qPrintable(l.avisos.join(u'\n')));
        QVERIFY(nombra(QStringLiteral("diario-ajeno.sqlite no es un diario")));
        QVERIFY(nombra(QStringLiteral("diario-nuevo.sqlite es de una versión más nueva")));
        QVERIFY(nombra(
            QStringLiteral("diario-raro.sqlite: 1 paso con valores imposibles; no se lee.")));
        QVERIFY(nombra(QStringLiteral("No se encuentra")));
    }

    // Killed between two steps of an operation, the program leaves a journal
    // that opens clean with every step it had written.
    void proceso_matado() {
        QProcess hijo;
        hijo.start(QStringLiteral(ZIFRA_DIARIO_HIJO), {Carpeta()});
        QVERIFY(hijo.waitForStarted());
        int escritos = 0;
        while (escritos < 200 && hijo.waitForReadyRead(10000))
            while (hijo.canReadLine())
                escritos = hijo.readLine().trimmed().toInt();
        hijo.kill();
        QVERIFY(hijo.waitForFinished());
        while (hijo.canReadLine())
            escritos = hijo.readLine().trimmed().toInt();
        QVERIFY(escritos >= 200);
        const QString archivo = QDir(Carpeta()).filePath(NombreDiario(QStringLiteral("aula")));
        {
            ConexionSqlite c(archivo, true);
            QCOMPARE(c.Valor(QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
        }
        const LecturaDiarios l = LeerDiarios({archivo});
        QVERIFY(l.avisos.isEmpty());
        QVERIFY2(l.pasos.size() >= size_t(escritos),
                 qPrintable(QStringLiteral("%1 of %2").arg(l.pasos.size()).arg(escritos)));
        for (size_t i = 0; i < l.pasos.size(); ++i)
            QCOMPARE(l.pasos[i].hora, int64_t(i));
    }

    void borrar_data() {
        QTest::addColumn<bool>("si");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    // "Borrar el diario de este ordenador...": after a question, this
    // computer's journal goes and an empty one takes its place.
    void borrar() {
        QFETCH(bool, si);
        RegistroDiario registro;
        QVERIFY(registro.Abrir(Carpeta()));
        Form_menu->PonerDiario(&registro);
        MostrarVentana(VentanaSumas3b);
        nino::ResolverColumnas(qobject_cast<VentanaColumnas*>(VentanaDeCodigo(VentanaSumas3b)));
        QCOMPARE(Leidos().size(), size_t(3));
        buzon_.respuestas.enqueue(si ? plataforma::RespuestaSi : plataforma::RespuestaNo);
        Form_menu->Accion("Borrardiario1")->trigger();
        Form_menu->PonerDiario(nullptr);
        QCOMPARE(buzon_.mensajes.first().por_defecto, plataforma::RespuestaNo);
        QCOMPARE(Leidos().size(), si ? size_t(0) : size_t(3));
        QCOMPARE(buzon_.mensajes.size(), si ? 2 : 1);
        QVERIFY(registro.Activo());
    }
};

QTEST_MAIN(TestDiario)
#include "test_diario.moc"
