// The inclusive display: contrast ratios checked against WCAG 2.1 AA, place
// colours and high contrast in the exercise windows, and the size chosen
// for the next start.
#include "app/form_menu.h"
#include "app/menu_pantalla.h"
#include "mental/ventanas_mentales.h"
#include "nino.h"
#include "nucleo/apariencia.h"
#include "nucleo/contraste.h"
#include "nucleo/panel_juego.h"
#include "nucleo/preferencias.h"
#include "pruebas.h"
#include "written/tachon.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

class TestApariencia : public QObject {
    Q_OBJECT
    Buzon buzon_;

    static QColor Tinta(const QWidget* w, QPalette::ColorRole rol = QPalette::WindowText) {
        return w->palette().color(rol);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        buzon_ = Buzon{};
        buzon_.Instalar();
        apariencia::FijarColoresPorPosicion(false);
        apariencia::FijarContrasteAlto(false);
        preferencias::FijarTamano(100);
    }
    void cleanup() {
        CerrarVentanaActual();
        delete Form_menu;
        buzon_.Quitar();
        apariencia::FijarColoresPorPosicion(false);
        apariencia::FijarContrasteAlto(false);
        preferencias::FijarTamano(100);
        QVERIFY(VentanasVisibles().isEmpty());
    }

    // Reference values of the WCAG formula, either way round.
    void razon_de_contraste_data() {
        QTest::addColumn<uint>("a");
        QTest::addColumn<uint>("b");
        QTest::addColumn<double>("razon");
        QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << 21.0;
        QTest::newRow("white on black") << 0xFFFFFFu << 0x000000u << 21.0;
        QTest::newRow("same colour") << 0x3366CCu << 0x3366CCu << 1.0;
        // The lightest grey that passes AA on white, and the next one that does not.
        QTest::newRow("#767676 on white") << 0x767676u << 0xFFFFFFu << 4.54;
        QTest::newRow("#777777 on white") << 0x777777u << 0xFFFFFFu << 4.48;
        QTest::newRow("pure red on white") << 0xFF0000u << 0xFFFFFFu << 4.0;
        QTest::newRow("pure blue on white") << 0x0000FFu << 0xFFFFFFu << 8.59;
    }
    void razon_de_contraste() {
        QFETCH(uint, a);
        QFETCH(uint, b);
        QFETCH(double, razon);
        QVERIFY2(qAbs(RazonContraste(a, b) - razon) < 0.01,
                 qPrintable(QString::number(RazonContraste(a, b))));
    }

    // Every text and mark of high contrast, and every place colour on every
    // background it meets, passes AA.
    void parejas_pasan_aa_data() {
        QTest::addColumn<uint>("texto");
        QTest::addColumn<uint>("fondo");
        for (int i = 0; i < kNumParejasContrasteAlto; ++i)
            QTest::newRow(qPrintable(QStringLiteral("alto: ") +
                                     QString::fromUtf8(kParejasContrasteAlto[i].que)))
                << kParejasContrasteAlto[i].texto << kParejasContrasteAlto[i].fondo;
        for (int i = 0; i < kNumParejasPosicion; ++i)
            QTest::newRow(qPrintable(QString::fromUtf8(kParejasPosicion[i].que)))
                << kParejasPosicion[i].texto << kParejasPosicion[i].fondo;
    }
    void parejas_pasan_aa() {
        QFETCH(uint, texto);
        QFETCH(uint, fondo);
        const double r = RazonContraste(texto, fondo);
        QVERIFY2(r >= kContrasteAA, qPrintable(QString::number(r, 'f', 2)));
    }

    void colores_de_posicion() {
        // Thousands take the units' colour again; neighbours always differ.
        QCOMPARE(ColorDePosicion(4), ColorDePosicion(1));
        for (int p = 1; p < 4; ++p)
            QVERIFY(ColorDePosicion(p) != ColorDePosicion(p + 1));
        QCOMPARE(ColorDePosicion(0), kNegro);
        QCOMPARE(ColorDePosicion(5), kNegro);
    }

    // The digits, the box and the marks as each choice shows them, and the
    // box taking the colour of the place it moves to.
    void ventana_de_columnas_data() {
        QTest::addColumn<bool>("colores");
        QTest::addColumn<bool>("alto");
        QTest::newRow("usual") << false << false;
        QTest::newRow("place colours") << true << false;
        QTest::newRow("high contrast") << false << true;
        QTest::newRow("both") << true << true;
    }
    void ventana_de_columnas() {
        QFETCH(bool, colores);
        QFETCH(bool, alto);
        CrearVentanas();
        JugadoresDePrueba(1);
        // Borrows marked by the game: the units digit goes straight in.
        const MarcarLlevadas marcar = juego.marcar_llevadas;
        juego.marcar_llevadas = MarcarLlevadas::Automatico;
        auto restaurar = qScopeGuard([=] { juego.marcar_llevadas = marcar; });
        auto* v = qobject_cast<VentanaResta*>(VentanaDeCodigo(VentanaRestas5));
        MostrarVentana(VentanaRestas5);
        // Chosen from the menu while the window is on screen.
        if (colores) Form_menu->Accion("Colorespordposicion1")->trigger();
        if (alto) Form_menu->Accion("Contrastealto1")->trigger();
        QCOMPARE(preferencias::ColoresPorPosicion(), colores);
        QCOMPARE(preferencias::ContrasteAlto(), alto);
        const QColor negro(Qt::black);
        for (int c = 0; c < 4; ++c) {
            const QColor esperado = colores ? apariencia::Color(ColorDePosicion(c + 1)) : negro;
            QCOMPARE(Tinta(v->Cifra(0, c)), esperado);
            QCOMPARE(Tinta(v->Cifra(1, c)), esperado);
            QCOMPARE(Tinta(v->Label_res[c]), esperado);
        }
        // No patterned paper, a thicker line and a framed box in high contrast.
        QCOMPARE(v->Image1->isVisibleTo(v), !alto);
        QCOMPARE(v->Shape1->height(), alto ? 8 : 5);
        QCOMPARE(v->Memo_res->styleSheet().contains(QLatin1String("3px solid black")), alto);
        QCOMPARE(Tinta(v->Marca(TipoMarca::Ayuda, 0)),
                 alto ? apariencia::Color(kRojoMarcaAlto) : QColor(Qt::red));
        // The crossing-out stays apart from the black digit under it.
        QCOMPARE(static_cast<Tachon*>(v->Marca(TipoMarca::Koru, 1))->Color(),
                 alto ? apariencia::Color(kRojoMarcaAlto) : QColor(0x70, 0x70, 0x70));
        const QColor caja_unidades = colores ? apariencia::Color(ColorDePosicion(1))
                                     : alto  ? negro
                                             : QColor(Qt::blue);
        QCOMPARE(Tinta(v->Memo_res, QPalette::Text), caja_unidades);
        // The units right: the box moves to the tens, in their colour.
        const int u = (10 + nino::Digito(v->Cifra(0, 0)) - nino::Digito(v->Cifra(1, 0))) % 10;
        QTest::keyClick(v->Memo_res, char('0' + u));
        QCOMPARE(v->Resta().Columna(), 2);
        const QColor caja_decenas = colores ? apariencia::Color(ColorDePosicion(2))
                                    : alto  ? negro
                                            : QColor(Qt::blue);
        QCOMPARE(Tinta(v->Memo_res, QPalette::Text), caja_decenas);
        // Unticked, the usual display is back.
        if (alto) Form_menu->Accion("Contrastealto1")->trigger();
        QVERIFY(v->Image1->isVisibleTo(v));
        QCOMPARE(v->Shape1->height(), 5);
    }

    // The main window: no starry wallpaper (not even read), flat dark
    // panels, darker totals; every text there passes AA on what is under it.
    void ventana_principal_en_contraste_alto() {
        // A dark wallpaper, so white shows only where it is left out.
        QImage dibujo(4, 4, QImage::Format_RGB32);
        dibujo.fill(QColor(0x20, 0x20, 0x40));
        QVERIFY(dibujo.save(QStringLiteral("fondo.bmp"), "BMP"));
        auto borrar = qScopeGuard([] { QFile::remove(QStringLiteral("fondo.bmp")); });
        apariencia::FijarContrasteAlto(true);
        CrearVentanas();
        JugadoresDePrueba(1);
        Form_menu->show();
        QTRY_COMPARE_WITH_TIMEOUT(buzon_.dialogos_vistos.size(), 1, 30000);
        QVERIFY(!juego.fondo_cargado);
        const QPoint libre(700, 300); // below the star, right of the panels
        auto color_en = [](QWidget* w, QPoint p) { return QColor(w->grab().toImage().pixel(p)); };
        QCOMPARE(color_en(Form_menu->Fondo, libre), QColor(Qt::white));
        // Flat: the caption's contrast is the same all over the panel.
        QCOMPARE(color_en(Form_menu->Panel1, QPoint(20, 8)), apariencia::Color(kAzulPanelAlto));
        QCOMPARE(color_en(Form_menu->Panel1, QPoint(20, 41)), apariencia::Color(kAzulPanelAlto));
        QCOMPARE(color_en(Form_menu->Panel5, QPoint(20, 41)), apariencia::Color(kMagentaPanelAlto));
        for (QLabel* l : {Form_menu->Label_puntos, Form_menu->Label_pacertadas,
                          Form_menu->Label_pfalladas, Form_menu->Label_tiempo,
                          Form_menu->Label_nombrejugador, Form_menu->Label_ayudas_hint1}) {
            const double r =
                RazonContraste(Tinta(l).rgb() & 0xFFFFFF,
                               Tinta(l->parentWidget(), QPalette::Window).rgb() & 0xFFFFFF);
            QVERIFY2(r >= kContrasteAA, qPrintable(l->objectName() + QString::number(r)));
        }
        for (QLabel* l : {Form_menu->Label1, Form_menu->Label4, Form_menu->Label5}) {
            const QColor panel = color_en(l->parentWidget(), QPoint(20, 41));
            const double r = RazonContraste(Tinta(l).rgb() & 0xFFFFFF, panel.rgb() & 0xFFFFFF);
            QVERIFY2(r >= kContrasteAA, qPrintable(l->objectName() + QString::number(r)));
        }
        // Unticked: the wallpaper is read now and the panels shaded again.
        Form_menu->Accion("Contrastealto1")->trigger();
        QVERIFY(juego.fondo_cargado);
        QCOMPARE(color_en(Form_menu->Fondo, libre), QColor(0x20, 0x20, 0x40));
        QVERIFY(color_en(Form_menu->Panel1, QPoint(20, 8)) !=
                color_en(Form_menu->Panel1, QPoint(20, 41)));
        QCOMPARE(Tinta(Form_menu->Label_pfalladas), QColor(Qt::red));
        // And ticked again, white without reading anything.
        Form_menu->Accion("Contrastealto1")->trigger();
        QCOMPARE(color_en(Form_menu->Fondo, libre), QColor(Qt::white));
        QCOMPARE(buzon_.Textos().size(), 0);
    }

    void mental_en_contraste_alto() {
        CrearVentanas();
        JugadoresDePrueba(1);
        auto* v = qobject_cast<VentanaMental*>(VentanaDeCodigo(VentanaCmental1));
        MostrarVentana(VentanaCmental1);
        Form_menu->Accion("Contrastealto1")->trigger();
        QCOMPARE(Tinta(v->Fondo, QPalette::Window), QColor(Qt::white));
        QCOMPARE(Tinta(v->Label_resultado), QColor(Qt::black));
        QVERIFY(v->Memo_res->styleSheet().contains(QLatin1String("border: 5px solid #000000")));
        const auto razon = [](const QColor& a, const QColor& b) {
            return RazonContraste(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
        };
        // As painted: the style lightens a button's own colour.
        const QColor boton(v->Color95Button1->grab().toImage().pixel(10, 10));
        QVERIFY2(razon(Qt::white, boton) >= kContrasteAA, qPrintable(boton.name()));
        for (QLabel* total : {v->Label_aciertos, v->Label_fallos})
            QVERIFY2(razon(Tinta(total), Tinta(v->Fondo, QPalette::Window)) >= kContrasteAA,
                     qPrintable(total->objectName()));
        Form_menu->Accion("Contrastealto1")->trigger();
        QVERIFY(v->Memo_res->styleSheet().contains(QLatin1String("#00FFFF")));
    }

    // The mental window's numbers: each digit in its place's colour, the
    // label's text still the number.
    void mental_con_colores_data() {
        QTest::addColumn<bool>("colores");
        QTest::newRow("usual") << false;
        QTest::newRow("place colours") << true;
    }
    void mental_con_colores() {
        QFETCH(bool, colores);
        CrearVentanas();
        JugadoresDePrueba(1);
        auto* v = qobject_cast<VentanaMental*>(VentanaDeCodigo(VentanaCmental1));
        MostrarVentana(VentanaCmental1);
        if (colores) Form_menu->Accion("Colorespordposicion1")->trigger();
        v->Label_resultado->setText(QStringLiteral("147"));
        v->Label_resultado->show();
        const QImage imagen = v->Label_resultado->grab().toImage();
        QSet<QRgb> vistos;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                vistos.insert(imagen.pixel(x, y) & 0xFFFFFF);
        for (int posicion = 1; posicion <= 3; ++posicion)
            QCOMPARE(vistos.contains(ColorDePosicion(posicion)), colores);
        QCOMPARE(v->Label_resultado->text(), QStringLiteral("147"));
    }

    // Qt sets the scale once: the new size is kept and the player told.
    void tamano_para_el_proximo_arranque() {
        CrearVentanas();
        QVERIFY(Form_menu->Accion("Tamano100")->isChecked());
        Form_menu->Accion("Tamano150")->trigger();
        QCOMPARE(preferencias::Tamano(), 150);
        QVERIFY(Form_menu->Accion("Tamano150")->isChecked());
        QVERIFY(!Form_menu->Accion("Tamano100")->isChecked());
        QCOMPARE(buzon_.Textos(), QStringList{QString::fromUtf8(kAvisoTamano)});
        // The same size again says nothing.
        Form_menu->Accion("Tamano150")->trigger();
        QCOMPARE(buzon_.mensajes.size(), 1);
        delete Form_menu;
        CrearVentanas();
        QVERIFY(Form_menu->Accion("Tamano150")->isChecked());
    }
};

QTEST_MAIN(TestApariencia)
#include "test_apariencia.moc"
