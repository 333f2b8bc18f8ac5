// Speech in the game: eSpeak makes a sentence offline, and with "Leer en voz
// alta" on each window says its operation and steps, the notices and turns.
// The sentences are caught where they are handed to the speech thread.
#include "app/form_menu.h"
#include "mental/ventanas_mentales.h"
#include "nino.h"
#include "nucleo/preferencias.h"
#include "platform/voz.h"
#include "pruebas.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <memory>

namespace {

Operacion Op(std::initializer_list<int> filas, int columnas) {
    Operacion op;
    op.filas = int(filas.size());
    op.columnas = columnas;
    int f = 0;
    for (int n : filas) {
        for (int c = 0; c < columnas; ++c, n /= 10)
            op.cifras[size_t(f)][size_t(c)] = n % 10;
        ++f;
    }
    return op;
}

double Rms(const std::vector<int16_t>& m) {
    double s = 0;
    for (int16_t x : m)
        s += double(x) * x;
    return m.empty() ? 0 : std::sqrt(s / double(m.size()));
}

QAction* Accion(const char* nombre) {
    return Form_menu->findChild<QAction*>(QString::fromLatin1(nombre));
}

} // namespace

class TestVozJuego : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    QTemporaryDir dir_;
    // Before the first sound opens the device.
    std::unique_ptr<TarjetaNula> tarjeta_;
    QStringList dichas_;

    QString Ultima() const { return dichas_.isEmpty() ? QString() : dichas_.last(); }

private slots:
    void initTestCase() {
        tarjeta_ = std::make_unique<TarjetaNula>();
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(dir_.path());
        preferencias::FijarLeerEnVozAlta(false);
    }
    void init() {
        partida_.Empezar();
        // The menu reads the kept choice once the main loop runs.
        QCoreApplication::processEvents();
        dichas_.clear();
        plataforma::FijarObservadorVoz([this](const QString& f) { dichas_ << f; });
        Accion("Leerenvozalta1")->setChecked(true);
    }
    void cleanup() {
        plataforma::FijarObservadorVoz(nullptr);
        plataforma::FijarObservadorVozSonando(nullptr);
        partida_.Terminar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }
    void cleanupTestCase() {
        preferencias::FijarLeerEnVozAlta(false);
        tarjeta_.reset();
    }

    // eSpeak with its Spanish voice, no audio device involved.
    void sintesis() {
        const QString datos = QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data/es_dict");
        if (!QFileInfo::exists(datos) &&
            !QFileInfo::exists(QStringLiteral("/usr/share/espeak-ng-data/es_dict")))
            QSKIP("Sin los datos de eSpeak NG (paquete espeak-ng-data): no hay voz que probar");
        const std::vector<int16_t> corta =
            plataforma::SintetizarFrase(QStringLiteral("Unidades: 6 más 8."));
        const double segundos = double(corta.size()) / plataforma::kFrecuenciaAltavoz;
        QVERIFY2(segundos > 0.8 && segundos < 5, qPrintable(QString::number(segundos)));
        QVERIFY2(Rms(corta) > 300, qPrintable(QString::number(Rms(corta))));
        // Numbers are read as words: a longer number takes longer to say.
        const std::vector<int16_t> larga = plataforma::SintetizarFrase(
            QStringLiteral("Unidades: 6 más 8, y 1 que me llevo. 5043 menos 349."));
        QVERIFY(larga.size() > corta.size() * 2);
    }

    // The whole sentence reaches the card, though a key's click comes in the
    // middle of it: an effect cuts off the effect, not the sentence.
    void voz_y_efectos_por_el_altavoz() {
        const QString frase = QStringLiteral("456 más 378. Unidades: 6 más 8.");
        const size_t largo = plataforma::SintetizarFrase(frase).size();
        if (largo == 0) QSKIP("Sin eSpeak NG o su voz española: no hay voz que probar");
        std::atomic<size_t> sonadas{0};
        plataforma::FijarObservadorVozSonando(
            [&sonadas](const int16_t*, size_t n) { sonadas += n; });
        plataforma::Decir(frase);
        plataforma::Tocar(plataforma::Sonido::Tecla);
        QTRY_VERIFY_WITH_TIMEOUT(sonadas > largo / 4, 10000);
        plataforma::Tocar(plataforma::Sonido::Fallo);
        // eSpeak carries a little state from one sentence to the next: the
        // same sentence may come out a few samples shorter.
        QTRY_VERIFY2_WITH_TIMEOUT(sonadas >= largo * 99 / 100,
                                  qPrintable(QStringLiteral("%1 de %2").arg(sonadas).arg(largo)),
                                  10000);
        plataforma::FijarObservadorVozSonando(nullptr);
    }

    // Turning speech off stops the sentence being said.
    void apagar_calla() {
        QString frase;
        for (int i = 0; i < 6; ++i)
            frase += QStringLiteral("Decenas: 5 más 7, y 1 que me llevo. ");
        const size_t largo = plataforma::SintetizarFrase(frase).size();
        if (largo == 0) QSKIP("Sin eSpeak NG o su voz española: no hay voz que probar");
        std::atomic<size_t> sonadas{0};
        plataforma::FijarObservadorVozSonando(
            [&sonadas](const int16_t*, size_t n) { sonadas += n; });
        DecirEnVozAlta(frase);
        Accion("Leerenvozalta1")->setChecked(false);
        QTest::qWait(500);
        QVERIFY2(sonadas < largo / 2,
                 qPrintable(QStringLiteral("%1 de %2").arg(sonadas).arg(largo)));
        plataforma::FijarObservadorVozSonando(nullptr);
    }

    void suma_paso_a_paso() {
        juego.editar_llevadas = true;
        auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(VentanaSumas4b));
        MostrarVentana(VentanaSumas4b);
        dichas_.clear();
        v->MostrarCuenta(Op({456, 378}, 3));
        QCOMPARE(dichas_, QStringList{QStringLiteral("456 más 378. Unidades: 6 más 8.")});
        nino::Teclear(v->Memo_res, u'4');
        QCOMPARE(Ultima(), QStringLiteral("Ahora escribe lo que te llevas."));
        nino::Teclear(v->Memo_mellevo, u'1');
        QCOMPARE(Ultima(), QStringLiteral("Decenas: 5 más 7, y 1 que me llevo."));
        // A wrong digit: the notice is read, then F5 reads it again.
        nino::Teclear(v->Memo_res, u'9');
        const QString aviso =
            QStringLiteral("El número que has pulsado no es correcto. Vuelve a calcularlo.");
        QCOMPARE(Ultima(), aviso);
        const int antes = int(dichas_.size());
        Accion("Repetirenvozalta1")->trigger();
        QCOMPARE(dichas_.size(), antes + 1);
        QCOMPARE(Ultima(), aviso);
        QCOMPARE(Accion("Repetirenvozalta1")->shortcut(), QKeySequence(Qt::Key_F5));
    }

    // Manual marks: the ten is said once "Me llevo..." has put it there.
    void resta_me_llevo() {
        juego.modo_restas = MetodoResta::SumarAlSustraendo;
        juego.marcar_llevadas = MarcarLlevadas::Manual;
        auto* v = qobject_cast<VentanaResta*>(VentanaDeCodigo(VentanaRestas4b));
        MostrarVentana(VentanaRestas4b);
        v->MostrarResta(Op({742, 385}, 3));
        QCOMPARE(Ultima(), QStringLiteral("742 menos 385. Unidades: 2 menos 5."));
        nino::Teclear(v->Memo_res, u'7');
        QCOMPARE(Ultima(), QStringLiteral("¡Creo que no puedes restar!"));
        v->Color95Button_ayuda->click();
        QCOMPARE(Ultima(), QStringLiteral("Unidades: 12 menos 5."));
        nino::Teclear(v->Memo_res, u'7');
        QCOMPARE(Ultima(), QStringLiteral("Decenas: 4 menos 8, y 1 que me llevo."));
    }

    void mental() {
        auto* v = qobject_cast<VentanaMental*>(VentanaDeCodigo(VentanaCmental1));
        v->Ajustes().incognita = Incognita::Segundo;
        MostrarVentana(VentanaCmental1);
        const CuentaMental& c = v->Cuenta();
        QCOMPARE(Ultima(),
                 QStringLiteral("%1 más cuánto es igual a %2.").arg(c.primero).arg(c.resultado));
        v->Ajustes().incognita = Incognita::Resultado;
    }

    // With automatic turns the next player is named before the next operation.
    void turno() {
        JugadoresDePrueba(2);
        juego.cambio_automatico = true;
        auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(VentanaSumas3b));
        MostrarVentana(VentanaSumas3b);
        v->MostrarCuenta(Op({123, 456}, 3));
        dichas_.clear();
        nino::ResolverColumnas(v);
        QVERIFY2(!dichas_.isEmpty(), "nada dicho");
        const QString siguiente = dichas_.last();
        QVERIFY2(siguiente.startsWith(QStringLiteral("Le toca a J2. ")), qPrintable(siguiente));
        QVERIFY2(siguiente.contains(QStringLiteral(". Unidades: ")), qPrintable(siguiente));
    }

    // Off, nothing is said; the choice is kept for the next run.
    void apagada() {
        Accion("Leerenvozalta1")->setChecked(false);
        QVERIFY(!preferencias::LeerEnVozAlta());
        QVERIFY(!Accion("Repetirenvozalta1")->isEnabled());
        dichas_.clear();
        MostrarVentana(VentanaSumas3b);
        QVERIFY2(dichas_.isEmpty(), qPrintable(dichas_.join(u'|')));
        Accion("Leerenvozalta1")->setChecked(true);
        QVERIFY(preferencias::LeerEnVozAlta());
    }

    // The hook for text that no announcement carries.
    void frase_libre() {
        DecirEnVozAlta(QStringLiteral("Primero, las unidades."));
        QCOMPARE(Ultima(), QStringLiteral("Primero, las unidades."));
    }
};

QTEST_MAIN(TestVozJuego)
#include "test_voz_juego.moc"
