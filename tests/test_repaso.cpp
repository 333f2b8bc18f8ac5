// "Repaso de mis errores" played in the real windows by a child who knows
// the answers: the worked example first, exercises that offer the child's
// confirmed pattern with ordinary ones mixed in, and the diagnosis that
// moves to "superado"; with no pattern, the message and a mixed review.
#include "aprendizaje/diario.h"
#include "aprendizaje/panel_ejemplo.h"
#include "aprendizaje/registro.h"
#include "aprendizaje/repaso.h"
#include "diarios_prueba.h"
#include "nino.h"
#include "nucleo/anuncios.h"
#include "pasos_prueba.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"

#include <QAction>
#include <QtTest>
#include <memory>

namespace {

const char* const kMenorDelMayor = "menor_del_mayor";

PanelEjemplo* Panel(QWidget* w) {
    // A finished example is deleted later, as the event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return w ? w->findChild<PanelEjemplo*>() : nullptr;
}

bool OfrecePatron(const CuentaDescrita& c, const char* codigo) {
    const Patron* p = BuscarPatron(QLatin1String(codigo));
    for (const PasoJuzgado& paso : PasosDe(c))
        if (EsOportunidad(*p, paso)) return true;
    return false;
}

const DiagnosticoPatron* Estado(const QString& carpeta, const QString& nino, const char* codigo) {
    static std::vector<DiagnosticoJugador> d;
    d = Diagnosticar(LeerDiarios({carpeta}).pasos);
    for (const DiagnosticoJugador& j : d)
        if (ClaveJugador(j.jugador) == ClaveJugador(nino))
            for (const DiagnosticoPatron& p : j.patrones)
                if (qstrcmp(p.patron->codigo, codigo) == 0) return &p;
    return nullptr;
}

// The child answers whatever the window shows, right at the first try.
void Resolver(QWidget* w) {
    if (auto* r = qobject_cast<VentanaResta*>(w))
        nino::ResolverResta(r, int(juego.modo_restas), int(juego.marcar_llevadas));
    else if (auto* c = qobject_cast<VentanaColumnas*>(w))
        nino::ResolverColumnas(c);
    else if (auto* m = qobject_cast<VentanaMental*>(w))
        nino::Responder(m, nino::Calcular(m));
    QCoreApplication::processEvents();
}

} // namespace

class TestRepaso : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<RegistroDiario> registro_;

    QString Resultados() const { return dir_->filePath(QStringLiteral("resultad")); }

    // J1, the test game's player, on another computer last spring.
    bool DiarioDeJ1(const QString& operaciones) {
        Diario a;
        a.jugador = QStringLiteral("J1");
        for (QChar c : operaciones) {
            if (c == u'X') { // 142 - 28: 2 take 8 is not possible, 8 - 2 = 6 written
                a.Columnas(VentanaRestas4b, QStringLiteral("142-28"), M1, {{6, 4}, {1}, {1}});
            } else if (c == u'M') { // 5 + ? = 12: the two seen added, 17
                a.Nueva();
                a.Poner(Mental(QStringLiteral("5+[7]=12"), 17), true);
                a.Poner(Mental(QStringLiteral("5+[7]=12"), 7), false);
            } else
                a.Columnas(VentanaSumas3b, QStringLiteral("123+456"), M1, {{9}, {7}, {5}});
        }
        return DiarioDe(Resultados(), QStringLiteral("aula-1"), a.pasos);
    }
    void Jugar() {
        registro_ = std::make_unique<RegistroDiario>();
        QVERIFY(registro_->Abrir(Resultados()));
        Form_menu->Accion("Repasodemiserrores1")->trigger();
        QCOMPARE(juego.tipo_juego, TipoJuego::Repaso);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("juego")));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("resultad")));
        partida_.Empezar();
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        juego.modo_restas = MetodoResta::SumarAlSustraendo;
        juego.marcar_llevadas = MarcarLlevadas::Manual;
    }
    void cleanup() {
        partida_.Terminar();
        registro_.reset();
        juego.tipo_juego = TipoJuego::Ninguno;
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void ejemploYSuperado() {
        QVERIFY(DiarioDeJ1(QStringLiteral("X.X")));
        const DiagnosticoPatron* antes = Estado(Resultados(), QStringLiteral("J1"), kMenorDelMayor);
        QVERIFY(antes);
        QCOMPARE(antes->estado, EstadoPatron::Confirmado);
        // What a child who cannot read yet hears, if speech is on.
        QSignalSpy dicho(&AnunciosJuego(), &Anuncios::Frase);
        Jugar();

        // The worked example plays first, in the window of the exercises.
        QCOMPARE(juego.ventana_actual, int32_t(VentanaRestas4b));
        auto* v = qobject_cast<VentanaResta*>(VentanaDeCodigo(VentanaRestas4b));
        QVERIFY(v && v->isVisible());
        PanelEjemplo* panel = Panel(v);
        QVERIFY(panel);
        QVERIFY(v->Memo_res->isHidden());
        const EjercicioRepaso& e = EjercicioDelRepaso();
        QVERIFY(e.con_ejemplo && !e.corriente);
        QCOMPARE(QLatin1String(e.patron->codigo), QLatin1String(kMenorDelMayor));
        QVERIFY(OfrecePatron(e.ejemplo, kMenorDelMayor));
        const std::vector<PasoEjemplo> pasos =
            EjemploResuelto(e.ejemplo.op, false, MetodoResta::SumarAlSustraendo);
        QCOMPARE(panel->Pasos(), int(pasos.size()));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(v->Cifra(0, c)->text().toInt(), e.ejemplo.op.cifras[0][c]);
        QVERIFY(!dicho.isEmpty());
        QCOMPARE(dicho.last().at(0).toString(), panel->Label_paso->text());
        QTest::mouseClick(panel->Button_siguiente, Qt::LeftButton);
        QCOMPARE(panel->Label_paso->text(), pasos[0].frase);
        QCOMPARE(dicho.last().at(0).toString(), pasos[0].frase);
        QCOMPARE(v->Label_res[0]->text(), QString::number(pasos[0].resultado[0]));
        QVERIFY(v->Label_res[1]->text().isEmpty());
        // The units borrow: their marks are up.
        QVERIFY(v->Marca(TipoMarca::Ayuda, 0)->isVisible());
        for (size_t i = 1; i < pasos.size(); ++i) {
            QTest::keyClick(v, Qt::Key_Return);
            QCOMPARE(panel->Label_paso->text(), pasos[i].frase);
            QCOMPARE(dicho.last().at(0).toString(), pasos[i].frase);
        }
        QCOMPARE(panel->Button_siguiente->text(), QStringLiteral("&Ahora tú"));
        QTest::keyClick(v, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(!Panel(v));
        QVERIFY(v->Memo_res->isVisible());
        QCOMPARE(v->Resta().Op().cifras, e.cuenta.op.cifras);

        // Every exercise drawn for the pattern offers it; ordinary ones mix in.
        int delPatron = 0, corrientes = 0;
        const int32_t aciertos = juego.jugadores[0].aciertos[RestasConLlevadas];
        for (int i = 0; i < 3 * PlanRepaso::kPorRonda; ++i) {
            const EjercicioRepaso& x = EjercicioDelRepaso();
            QWidget* w = VentanaDeCodigo(juego.ventana_actual);
            QVERIFY(w && w->isVisible());
            QVERIFY(!Panel(w));
            if (x.corriente) {
                ++corrientes;
            } else {
                ++delPatron;
                QVERIFY(OfrecePatron(x.cuenta, kMenorDelMayor));
                QCOMPARE(qobject_cast<VentanaResta*>(w)->Resta().Op().cifras, x.cuenta.op.cifras);
            }
            Resolver(w);
        }
        QCOMPARE(corrientes, 3);
        QCOMPARE(delPatron, 9);
        QVERIFY(juego.jugadores[0].aciertos[RestasConLlevadas] >= aciertos + 12 * 3);
        CerrarVentanaActual();
        registro_.reset();
        const DiagnosticoPatron* despues =
            Estado(Resultados(), QStringLiteral("J1"), kMenorDelMayor);
        QVERIFY(despues);
        QCOMPARE(despues->estado, EstadoPatron::Superado);
    }

    // "Ya lo sé" leaves the example at once, and the window is its own size again.
    void yaLoSe() {
        QVERIFY(DiarioDeJ1(QStringLiteral("XX")));
        auto* v = qobject_cast<VentanaResta*>(VentanaDeCodigo(VentanaRestas4b));
        const QSize tamano = v->size();
        Jugar();
        PanelEjemplo* panel = Panel(v);
        QVERIFY(panel);
        QVERIFY(v->height() > tamano.height());
        QTest::mouseClick(panel->Button_yalose, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!Panel(v));
        QCOMPARE(v->size(), tamano);
        QCOMPARE(v->Resta().Op().cifras, EjercicioDelRepaso().cuenta.op.cifras);
    }

    // A mental pattern's example in the mental window: the hidden term only
    // at the last step, then the exercise with the term hidden where the
    // mistake shows.
    void ejemploMental() {
        QVERIFY(DiarioDeJ1(QStringLiteral("MM")));
        Jugar();
        const EjercicioRepaso& e = EjercicioDelRepaso();
        QCOMPARE(QLatin1String(e.patron->codigo), QLatin1String("mental_contraria"));
        auto* v = qobject_cast<VentanaMental*>(VentanaDeCodigo(e.ventana));
        QVERIFY(v && v->isVisible());
        PanelEjemplo* panel = Panel(v);
        QVERIFY(panel);
        QVERIFY(v->Memo_res->isHidden());
        QCOMPARE(v->Oculto(), int(e.ejemplo.descripcion.incognita));
        QCOMPARE(v->Cuenta().primero, e.ejemplo.mental.primero);
        for (int i = 0; i < panel->Pasos(); ++i)
            QTest::keyClick(v, Qt::Key_Return);
        QVERIFY(v->findChild<QLabel*>(QLatin1String(v->Def().etiqueta2))->text() ==
                QString::number(e.ejemplo.mental.segundo));
        QTest::keyClick(v, Qt::Key_Return);
        QVERIFY(!Panel(v));
        QVERIFY(v->Memo_res->isVisible());
        QCOMPARE(v->Cuenta().resultado, e.cuenta.mental.resultado);
        QCOMPARE(v->Oculto(), int(Incognita::Segundo));
        Resolver(v);
        QCOMPARE(juego.jugadores[0].aciertos[CalculoMental], 1);
    }

    // With nothing confirmed: the message once, then the kinds the child played.
    void sinPatron() {
        QVERIFY(DiarioDeJ1(QStringLiteral("...")));
        Jugar();
        QCOMPARE(partida_.buzon.Textos(),
                 QStringList{QStringLiteral("¡Muy bien! No hay errores que repasar.")});
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas3b));
            QVERIFY(!Panel(VentanaDeCodigo(VentanaSumas3b)));
            Resolver(VentanaDeCodigo(juego.ventana_actual));
        }
        QCOMPARE(partida_.buzon.Textos().size(), 1);
    }
};

QTEST_MAIN(TestRepaso)
#include "test_repaso.moc"
