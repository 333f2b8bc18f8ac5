// The diagnosis window offscreen, as a teacher uses it: the children, the
// chosen child's patterns with their states, each example drawn with the
// wrong answer in red, the skipped journals, and printing through the
// program's print path.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "aprendizaje/dibujo_ejemplo.h"
#include "aprendizaje/ventana_diagnostico.h"
#include "aprendizaje/vista_ejemplo.h"
#include "diarios_prueba.h"
#include "pasos_prueba.h"
#include "pdf_pruebas.h"
#include "players/turnos.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(PasoJuzgado)

namespace {

int64_t Dia(int d) {
    return QDateTime(QDate(2026, 3, d), QTime(9, 30)).toMSecsSinceEpoch();
}

// Lucía, on two computers: two patterns confirmed (the carry of 456 + 378
// and 267 + 158, the loan of 143 - 28), one overcome (0 - 1 written 1) and
// one possible (17 for 5 + ? = 12); Mateo, all right; Berta spelled twice.
bool EscribirClase(const QString& carpeta) {
    Diario a;
    a.jugador = QStringLiteral("Lucía");
    a.hora = Dia(2);
    for (int i = 0; i < 2; ++i)
        a.Columnas(VentanaRestas4b, QStringLiteral("140-21"), M1, {{1, 9}, {1}, {1}});
    for (int i = 0; i < 5; ++i)
        a.Columnas(VentanaRestas4b, QStringLiteral("140-21"), M1, {{9}, {1}, {1}});
    a.hora = Dia(3);
    a.Escribir(QStringLiteral("X.X.."));
    a.jugador = QStringLiteral("Berta");
    a.Escribir(QStringLiteral("X"));
    a.jugador = QStringLiteral("Lucía");
    a.hora = Dia(6);
    a.Escribir(QStringLiteral("X"));
    a.Nueva();
    a.Poner(Mental(QStringLiteral("5+[7]=12"), 17), true);
    a.Poner(Mental(QStringLiteral("5+[7]=12"), 7), false);
    Diario b;
    b.ordenador = QStringLiteral("aula-2");
    b.jugador = QStringLiteral("berta");
    b.hora = Dia(2);
    b.Escribir(QStringLiteral("."));
    b.jugador = QStringLiteral(" LUCÍA ");
    b.hora = Dia(4);
    b.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {2, 3}, {8}});
    b.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {3}, {8}});
    b.hora = Dia(5);
    b.Columnas(VentanaSumas4b, QStringLiteral("267+158"), M1, {{5}, {1, 2}, {4}});
    b.jugador = QStringLiteral("Mateo");
    b.Escribir(QStringLiteral("..-"));
    return DiarioDe(carpeta, QStringLiteral("aula-1"), a.pasos) &&
           DiarioDe(carpeta, QStringLiteral("aula-2"), b.pasos);
}

bool Roto(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096;
}

QStringList Lista(const VentanaDiagnostico& v) {
    QStringList l;
    for (int i = 0; i < v.Lista_ninos->count(); ++i)
        l << v.Lista_ninos->item(i)->text();
    return l;
}

// "codigo:estado" of each card, top to bottom.
QStringList Tarjetas(const VentanaDiagnostico& v) {
    QStringList t;
    QWidget* panel = v.Area_patrones->widget();
    if (!panel) return t;
    for (QObject* o : panel->children()) {
        const QString nombre = o->objectName();
        if (!nombre.startsWith(QLatin1String("Patron_"))) continue;
        const QString codigo = nombre.mid(7);
        auto* estado = o->findChild<QLabel*>(QStringLiteral("Estado_") + codigo);
        t << codigo + u':' + (estado ? estado->text() : QStringLiteral("?"));
    }
    return t;
}

// The box around the pixels of one ink, or an empty one.
QRect Zona(const QImage& imagen, bool rojo) {
    QRect r;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            const bool es = rojo ? c.red() > 150 && c.green() < 90 && c.blue() < 90
                                 : c.green() > 90 && c.red() < 90 && c.blue() < 110;
            if (es) r |= QRect(x, y, 1, 1);
        }
    return r;
}

} // namespace

class TestVentanaDiagnostico : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString Resultados() const { return dir_->filePath(QStringLiteral("resultad")); }
    std::unique_ptr<VentanaDiagnostico> Ventana(const QStringList& actuales = {}) {
        return std::make_unique<VentanaDiagnostico>(LeerDiarios({Resultados()}), actuales);
    }
    static void Elegir(VentanaDiagnostico& v, const QString& nombre) {
        const QList<QListWidgetItem*> i = v.Lista_ninos->findItems(nombre, Qt::MatchExactly);
        QVERIFY2(i.size() == 1, qPrintable(nombre));
        v.Lista_ninos->setCurrentItem(i.first());
    }

private slots:
    void initTestCase() { PrepararAplicacion(*qApp); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("juego")));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("resultad")));
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        buzon_ = Buzon{};
        buzon_.Instalar();
    }
    void cleanup() {
        delete Form_menu;
        buzon_.Quitar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    // From the menu: the players of the game first, then the others in the
    // journals of the results folder, each once.
    void desde_el_menu() {
        QVERIFY(EscribirClase(Resultados()));
        CrearVentanas(); // a new game: the start-up folder is the working one
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        juego.num_jugadores = 0;
        GuardarJugadores({QStringLiteral("Zoe"), QStringLiteral("BERTA")});
        QStringList lista;
        buzon_.dialogos << [&lista](QDialog* d) {
            auto* v = qobject_cast<VentanaDiagnostico*>(d);
            if (v) lista = Lista(*v);
            return int(QDialog::Accepted);
        };
        Form_menu->Accion("Diagnosticodeerrores1")->trigger();
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_diagnostico"});
        QCOMPARE(lista, (QStringList{"Zoe", "BERTA", "Lucía", "Mateo"}));
        QVERIFY(!Form_menu->isVisible());
    }

    void patrones_data() {
        QTest::addColumn<QString>("nino");
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<QStringList>("tarjetas");
        // Table order; Lucía's two spellings are one child.
        QTest::newRow("Lucía") << "Lucía"
                               << "17 cuentas, del 2/3/2026 al 6/3/2026."
                               << QStringList{"llevada_olvidada:confirmado",
                                              "prestamo_olvidado:confirmado",
                                              "cero_menos_n:superado", "mental_contraria:posible"};
        QTest::newRow("Berta") << "Berta"
                               << "2 cuentas, del 2/3/2026 al 3/3/2026."
                               << QStringList{"prestamo_olvidado:posible"};
    }
    // Each pattern that showed, with its state in words and in colour.
    void patrones() {
        QFETCH(QString, nino);
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        Elegir(*v, nino);
        QCOMPARE(v->Label_nombre->text(), nino);
        QTEST(v->Label_periodo->text(), "periodo");
        QTEST(Tarjetas(*v), "tarjetas");
        QVERIFY(!v->Area_patrones->isHidden());
        QVERIFY(v->Label_vacio->isHidden());
        const struct {
            const char* estado;
            QColor color;
        } colores[] = {{"confirmado", QColor(198, 40, 40)},
                       {"posible", QColor(245, 170, 30)},
                       {"superado", QColor(46, 125, 50)}};
        for (QLabel* e : v->Area_patrones->widget()->findChildren<QLabel*>()) {
            if (!e->objectName().startsWith(QLatin1String("Estado_"))) continue;
            for (const auto& c : colores)
                if (e->text() == QLatin1String(c.estado))
                    QVERIFY2(e->styleSheet().contains(c.color.name()), qPrintable(e->styleSheet()));
        }
    }

    // What a card says, and that its drawing is the latest example.
    void tarjeta() {
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        Elegir(*v, QStringLiteral("Lucía"));
        QWidget* panel = v->Area_patrones->widget();
        auto texto = [&](const char* nombre) {
            auto* l = panel->findChild<QLabel*>(QString::fromLatin1(nombre));
            return l ? l->text() : QString();
        };
        QCOMPARE(texto("Nombre_prestamo_olvidado"),
                 QStringLiteral("No suma la que se lleva a la cifra de abajo"));
        QCOMPARE(texto("Veces_llevada_olvidada"),
                 QStringLiteral("En 2 de las 3 cuentas en que podía salir. La primera vez el "
                                "4/3/2026 y la última el 5/3/2026."));
        QVERIFY(texto("Frase_cero_menos_n").startsWith(QStringLiteral("Con un 0 arriba")));
        QCOMPARE(texto("Texto_ejemplo_llevada_olvidada"),
                 QStringLiteral("Último ejemplo: 267 + 158: decenas 1 (bien 2)"));
        auto* ejemplo = panel->findChild<VistaEjemplo*>(QStringLiteral("Ejemplo_llevada_olvidada"));
        QVERIFY(ejemplo);
        QCOMPARE(ejemplo->Esquema().celdas[3][1], QStringLiteral("1"));
        QCOMPARE(ejemplo->Esquema().bien, QStringLiteral("2"));
    }

    void ejemplo_en_rojo_data() {
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::newRow("tens of 143 - 28")
            << Escrito(VentanaRestas4b, "143-28", Que::Cifra, 2, 2, 1);
        QTest::newRow("units of 140 - 21")
            << Escrito(VentanaRestas4b, "140-21", Que::Cifra, 1, 1, 9);
        QTest::newRow("carry box") << Escrito(VentanaSumas4b, "47+35", Que::Llevada, 1, 2, 1);
        QTest::newRow("thousands") << Escrito(VentanaSumas4b, "756+378", Que::Cifra, 4, 0, 1);
        QTest::newRow("mental") << Mental("5+[7]=12", 17);
    }
    // The typed answer in red where the model puts it, the right one in
    // green beside it to its right, and no other red or green.
    void ejemplo_en_rojo() {
        QFETCH(PasoJuzgado, paso);
        VistaEjemplo vista(EsquemaDe(paso));
        vista.resize(vista.sizeHint());
        const QImage imagen = vista.grab().toImage();
        const qreal escala = vista.devicePixelRatioF();
        const QRect rojo = Zona(imagen, true), verde = Zona(imagen, false);
        QVERIFY(!rojo.isEmpty() && !verde.isEmpty());
        auto sitio = [&](const QRectF& r) {
            return QRectF(r.translated(vista.Origen()).topLeft() * escala, r.size() * escala)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
        };
        QVERIFY2(sitio(vista.Dibujo().Tecleado()).contains(rojo),
                 qPrintable(QStringLiteral("red at %1,%2 %3x%4")
                                .arg(rojo.x())
                                .arg(rojo.y())
                                .arg(rojo.width())
                                .arg(rojo.height())));
        QVERIFY(sitio(vista.Dibujo().Correcto()).contains(verde));
        QVERIFY(rojo.right() < verde.left());
        QVERIFY(rojo.top() < verde.bottom() && verde.top() < rojo.bottom());
    }

    void sin_patrones_data() {
        QTest::addColumn<bool>("diarios");
        QTest::addColumn<QString>("nino");
        QTest::addColumn<QString>("texto");
        QTest::newRow("all right") << true << "Mateo"
                                   << "No hay errores de Mateo todavía: sus 3 cuentas del diario "
                                      "están bien a la primera.";
        QTest::newRow("playing, not in the journals")
            << true << "Zoe"
            << "Todavía no hay ninguna cuenta de Zoe en el diario.";
        QTest::newRow("no journal at all")
            << false << "Zoe"
            << "Todavía no hay ningún diario de aprendizaje en la carpeta de resultados";
    }
    // A friendly line instead of the patterns; the page still prints.
    void sin_patrones() {
        QFETCH(bool, diarios);
        QFETCH(QString, nino);
        QFETCH(QString, texto);
        if (diarios) QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana({QStringLiteral("Zoe")});
        Elegir(*v, nino);
        QVERIFY2(v->Label_vacio->text().startsWith(texto), qPrintable(v->Label_vacio->text()));
        QVERIFY(!v->Label_vacio->isHidden());
        QVERIFY(v->Area_patrones->isHidden());
        QVERIFY(v->Boton_imprimir->isEnabled());
        QCOMPARE(v->Label_periodo->isHidden(), !diarios);
    }

    // Nobody playing and no journal: nothing to choose or print.
    void nadie() {
        auto v = Ventana();
        QCOMPARE(v->Lista_ninos->count(), 0);
        QVERIFY(!v->Boton_imprimir->isEnabled());
        QVERIFY(v->Label_vacio->text().contains(
            QDir::toNativeSeparators(resultados::CarpetaResultados())));
    }

    void avisos_data() {
        QTest::addColumn<int>("rotos");
        QTest::addColumn<int>("lineas");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("four: three and the count") << 4 << 4;
    }
    // Journal files that cannot be read are named, a few at a time, the
    // rest in the hint; the others are read all the same.
    void avisos() {
        QFETCH(int, rotos);
        QFETCH(int, lineas);
        QVERIFY(EscribirClase(Resultados()));
        for (int i = 1; i <= rotos; ++i)
            QVERIFY(Roto(Resultados() + QStringLiteral("/diario-roto%1.sqlite").arg(i)));
        auto v = Ventana();
        QCOMPARE(v->Lista_ninos->count(), 3);
        QCOMPARE(v->Label_avisos->isHidden(), rotos == 0);
        const QStringList texto = v->Label_avisos->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(texto.size(), lineas);
        if (rotos > 0) QVERIFY(texto.first().contains(QStringLiteral("diario-roto1.sqlite")));
        if (rotos == 4) {
            QCOMPARE(texto.last(), QStringLiteral("…y 1 más."));
            QVERIFY(v->Label_avisos->toolTip().contains(QStringLiteral("diario-roto4.sqlite")));
        }
    }

    void imprimir_data() {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<bool>("aceptar");
        QTest::addColumn<QStringList>("dialogos");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("printed") << "diagnostico.pdf" << true
                                 << QStringList{"PrintDialog1", "Vista_previa"} << QStringList{};
        QTest::newRow("cancelled")
            << "diagnostico.pdf" << false << QStringList{"PrintDialog1"} << QStringList{};
        QTest::newRow("cannot write")
            << "no/existe/diagnostico.pdf" << true << QStringList{"PrintDialog1", "Vista_previa"}
            << QStringList{kTextoErrorImpresoraDiagnostico};
    }
    // The print dialog, then the preview, which prints the chosen child's
    // page on A4; the printer's own paper comes back after.
    void imprimir() {
        QFETCH(QString, archivo);
        QFETCH(bool, aceptar);
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        Elegir(*v, QStringLiteral("Lucía"));
        ImpresoraDiagnostico().setPageOrientation(QPageLayout::Landscape);
        const QString pdf = dir_->filePath(archivo);
        int vistas = 0;
        buzon_.dialogos << [&](QDialog* d) {
            QPrinter* p = qobject_cast<QPrintDialog*>(d)->printer();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return int(aceptar ? QDialog::Accepted : QDialog::Rejected);
        };
        buzon_.dialogos << [&](QDialog* d) {
            auto* w = d->findChild<QPrintPreviewWidget*>();
            w->updatePreview();
            vistas = w->pageCount();
            w->print();
            return int(QDialog::Accepted);
        };
        v->Boton_imprimir->click();
        QTEST(buzon_.dialogos_vistos, "dialogos");
        QTEST(buzon_.Textos(), "mensajes");
        QCOMPARE(ImpresoraDiagnostico().pageLayout().orientation(), QPageLayout::Landscape);
        if (!aceptar || !buzon_.mensajes.isEmpty()) {
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        QCOMPARE(vistas, 1);
        const InfoPdf info = LeerInfoPdf(pdf);
        QCOMPARE(info.paginas, 1);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QString texto = SalidaDe(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const char* t : {"Diagnóstico de errores", "Lucía", "Se olvida de la llevada",
                              "confirmado", "superado", "Opera con los números que ve"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
        QVERIFY(!texto.contains(QStringLiteral("Mateo")));
    }

    // A page per confirmed pattern through the same print path; a child
    // with nothing confirmed has no button to press.
    void refuerzo() {
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        Elegir(*v, QStringLiteral("Mateo"));
        QVERIFY(!v->Boton_refuerzo->isEnabled());
        Elegir(*v, QStringLiteral("Berta"));
        QVERIFY(!v->Boton_refuerzo->isEnabled());
        Elegir(*v, QStringLiteral("Lucía"));
        QVERIFY(v->Boton_refuerzo->isEnabled());
        const QString pdf = dir_->filePath(QStringLiteral("refuerzo.pdf"));
        buzon_.dialogos << [&](QDialog* d) {
            QPrinter* p = qobject_cast<QPrintDialog*>(d)->printer();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        buzon_.dialogos << [&](QDialog* d) {
            auto* w = d->findChild<QPrintPreviewWidget*>();
            w->updatePreview();
            w->print();
            return int(QDialog::Accepted);
        };
        v->Boton_refuerzo->click();
        QCOMPARE(buzon_.dialogos_vistos, (QStringList{"PrintDialog1", "Vista_previa"}));
        QVERIFY(buzon_.mensajes.isEmpty());
        const InfoPdf info = LeerInfoPdf(pdf);
        QCOMPARE(info.paginas, 2);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QString texto = SalidaDe(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const char* t :
             {"Hoja de refuerzo", "Lucía", "Ejemplo resuelto", "Se olvida de la llevada",
              "No suma la que se lleva a la cifra de abajo"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
    }
};

QTEST_MAIN(TestVentanaDiagnostico)
#include "test_ventana_diagnostico.moc"
