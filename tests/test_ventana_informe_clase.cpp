// The class report window offscreen, as a teacher uses it: the error map
// coloured by state with its counts, sorting, a cell opening that child's
// diagnosis, the range of days, the progress chart and totals, the CSV
// export through the file dialog's seam and printing through the preview.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "aprendizaje/csv_informe_clase.h"
#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/ventana_diagnostico.h"
#include "aprendizaje/ventana_informe_clase.h"
#include "diarios_prueba.h"
#include "pasos_prueba.h"
#include "pdf_pruebas.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

namespace {

int64_t Dia(int d, int hora = 9) {
    return QDateTime(QDate(2026, 3, d), QTime(hora, 30)).toMSecsSinceEpoch();
}

// The week of Monday 2 March 2026, on two computers: Lucía forgets the
// loan (confirmed) and once the carry (possible); Mateo is right at every
// first try; Berta, on both, forgets the loan once. Lucía also plays the
// next week, outside the window's first range.
bool EscribirClase(const QString& carpeta) {
    Diario a;
    a.jugador = QStringLiteral("Lucía");
    a.hora = Dia(2);
    a.Escribir(QStringLiteral("X.X.."));
    a.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {2, 3}, {8}});
    a.jugador = QStringLiteral("Berta");
    a.Escribir(QStringLiteral("X"));
    a.jugador = QStringLiteral("Lucía");
    a.hora = Dia(10);
    a.Escribir(QStringLiteral("XXX"));
    Diario b;
    b.ordenador = QStringLiteral("aula-2");
    b.jugador = QStringLiteral("Mateo");
    b.hora = Dia(4);
    b.Escribir(QStringLiteral("..-"));
    b.jugador = QStringLiteral("berta");
    b.hora = Dia(5);
    b.Escribir(QStringLiteral(".-"));
    return DiarioDe(carpeta, QStringLiteral("aula-1"), a.pasos) &&
           DiarioDe(carpeta, QStringLiteral("aula-2"), b.pasos);
}

QStringList Columna(const QTableWidget* t, int c) {
    QStringList l;
    for (int f = 0; f < t->rowCount(); ++f)
        l << (t->item(f, c) ? t->item(f, c)->text() : QString());
    return l;
}

int ColumnaDe(const QTableWidget* t, const char* codigo) {
    for (int c = 0; c < t->columnCount(); ++c)
        if (t->horizontalHeaderItem(c)->data(Qt::UserRole).toString() == QLatin1String(codigo))
            return c;
    return -1;
}

} // namespace

class TestVentanaInformeClase : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString Resultados() const { return dir_->filePath(QStringLiteral("resultad")); }
    std::unique_ptr<VentanaInformeClase> Ventana(const QDate& hoy = QDate(2026, 3, 4)) {
        return std::make_unique<VentanaInformeClase>(LeerDiarios({Resultados()}), hoy);
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
        resultados::FijarContestadorArchivo(nullptr);
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    // In "Resultados", right after the diagnosis; it opens this week.
    void desde_el_menu() {
        QVERIFY(EscribirClase(Resultados()));
        CrearVentanas();
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        QStringList acciones;
        for (QAction* a :
             Form_menu->findChild<QMenu*>(QStringLiteral("Resultados1_menu"))->actions())
            acciones << a->objectName();
        const int i = int(acciones.indexOf(QStringLiteral("Diagnosticodeerrores1")));
        QVERIFY(i >= 0);
        QCOMPARE(acciones.value(i + 1), QStringLiteral("Informedelaclase1"));
        QDate desde;
        buzon_.dialogos << [&desde](QDialog* d) {
            if (auto* v = qobject_cast<VentanaInformeClase*>(d)) desde = v->Fecha_desde->date();
            return int(QDialog::Accepted);
        };
        Form_menu->Accion("Informedelaclase1")->trigger();
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_informe_clase"});
        QCOMPARE(desde, SemanaDe(QDate::currentDate()).desde);
    }

    void mapa_data() {
        QTest::addColumn<int>("orden");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<QStringList>("confirmados");
        QTest::newRow("by name") << 0 << QStringList{"berta", "Lucía", "Mateo"}
                                 << QStringList{"0", "1", "0"};
        QTest::newRow("most confirmed first")
            << 1 << QStringList{"Lucía", "berta", "Mateo"} << QStringList{"1", "0", "0"};
    }
    // A row per child of the week (named as last seen), a column per pattern
    // that showed; each cell says how often, coloured by its state.
    void mapa() {
        QFETCH(int, orden);
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        QCOMPARE(v->Fecha_desde->date(), QDate(2026, 3, 2));
        QCOMPARE(v->Fecha_hasta->date(), QDate(2026, 3, 8));
        v->Combo_orden->setCurrentIndex(orden);
        const QTableWidget* t = v->Tabla_mapa;
        QTEST(Columna(t, 0), "nombres");
        QTEST(Columna(t, 1), "confirmados");
        const int prestamo = ColumnaDe(t, "prestamo_olvidado");
        const int llevada = ColumnaDe(t, "llevada_olvidada");
        QVERIFY(prestamo >= 2 && llevada >= 2);
        QCOMPARE(t->columnCount(), 4);
        const int lucia = int(Columna(t, 0).indexOf(QStringLiteral("Lucía")));
        const int berta = int(Columna(t, 0).indexOf(QStringLiteral("berta")));
        const int mateo = int(Columna(t, 0).indexOf(QStringLiteral("Mateo")));
        const struct {
            int fila, columna;
            const char* texto;
            QColor fondo;
        } celdas[] = {{lucia, prestamo, "2", ColoresDe(EstadoPatron::Confirmado).fondo},
                      {lucia, llevada, "1", ColoresDe(EstadoPatron::Posible).fondo},
                      {berta, prestamo, "1", ColoresDe(EstadoPatron::Posible).fondo},
                      {mateo, prestamo, "", QColor()}};
        for (const auto& c : celdas) {
            const QTableWidgetItem* item = t->item(c.fila, c.columna);
            QCOMPARE(item->text(), QString::fromLatin1(c.texto));
            if (!c.fondo.isValid()) {
                QCOMPARE(item->background().style(), Qt::NoBrush);
                continue;
            }
            QCOMPARE(item->background().color(), c.fondo);
            QVERIFY(item->toolTip().contains(item->text()));
        }
    }

    void clic_abre_diagnostico_data() {
        QTest::addColumn<int>("orden");
        QTest::addColumn<bool>("teclado");
        QTest::newRow("by name") << 0 << false;
        QTest::newRow("sorted by confirmed") << 1 << false;
        QTest::newRow("Enter on the cell") << 1 << true;
    }
    // Any cell of a row opens the diagnosis window on that child, with the
    // same days the map shows.
    void clic_abre_diagnostico() {
        QFETCH(int, orden);
        QFETCH(bool, teclado);
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        v->Combo_orden->setCurrentIndex(orden);
        const int fila = int(Columna(v->Tabla_mapa, 0).indexOf(QStringLiteral("Lucía")));
        QStringList lista;
        QString periodo;
        buzon_.dialogos << [&](QDialog* d) {
            auto* diag = qobject_cast<VentanaDiagnostico*>(d);
            for (int i = 0; diag && i < diag->Lista_ninos->count(); ++i)
                lista << diag->Lista_ninos->item(i)->text();
            if (diag) periodo = diag->Label_periodo->text();
            return int(QDialog::Accepted);
        };
        const int columna = ColumnaDe(v->Tabla_mapa, "prestamo_olvidado");
        const QRect r = v->Tabla_mapa->visualItemRect(v->Tabla_mapa->item(fila, columna));
        v->show();
        if (teclado) {
            v->Tabla_mapa->setCurrentCell(fila, columna);
            QTest::keyClick(v->Tabla_mapa, Qt::Key_Return);
        } else {
            QTest::mouseClick(v->Tabla_mapa->viewport(), Qt::LeftButton, {}, r.center());
        }
        v->hide();
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_diagnostico"});
        QCOMPARE(lista, QStringList{"Lucía"});
        QCOMPARE(periodo, QStringLiteral("6 cuentas, el 2/3/2026."));
    }

    // Another range: the next week has only Lucía, and more of her loan.
    void fechas() {
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        v->Fecha_hasta->setDate(QDate(2026, 3, 15));
        v->Fecha_desde->setDate(QDate(2026, 3, 9));
        QCOMPARE(Columna(v->Tabla_mapa, 0), QStringList{"Lucía"});
        QCOMPARE(v->Tabla_mapa->item(0, ColumnaDe(v->Tabla_mapa, "prestamo_olvidado"))->text(),
                 QStringLiteral("3"));
        QCOMPARE(v->Label_periodo->text(), QStringLiteral("1 niño o niña, 3 cuentas."));
        v->Fecha_desde->setDate(QDate(2026, 3, 16));
        v->Fecha_hasta->setDate(QDate(2026, 3, 20));
        QCOMPARE(v->Tabla_mapa->rowCount(), 0);
        QVERIFY(!v->Boton_exportar->isEnabled());
    }

    // The chart and totals follow the choice: the class, or one child.
    void progreso() {
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        QCOMPARE(v->Combo_grafico->itemText(0), QStringLiteral("Toda la clase"));
        auto* vista = qobject_cast<QChartView*>(v->Grafico);
        QVERIFY2(vista, "the chart module is not beside the tests");
        QCOMPARE(vista->chart()->title(), QStringLiteral("Progreso de toda la clase"));
        QCOMPARE(v->Tabla_totales->item(5, 1)->text(), QStringLiteral("12"));
        v->Combo_grafico->setCurrentText(QStringLiteral("Lucía"));
        QChart* g = vista->chart();
        QCOMPARE(g->title(), QStringLiteral("Progreso de Lucía"));
        QStringList lineas;
        for (QAbstractSeries* s : g->series())
            if (auto* l = qobject_cast<QLineSeries*>(s))
                lineas << QStringLiteral("%1 %2").arg(l->name()).arg(qRound(l->at(0).y()));
        QCOMPARE(lineas, (QStringList{"Sumas con llevadas 67", "Restas con llevadas 87"}));
        QCOMPARE(Columna(v->Tabla_totales, 1), (QStringList{"0", "1", "0", "5", "0", "6"}));
        QCOMPARE(v->Tabla_totales->item(3, 3)->text(), QStringLiteral("87 %"));
        // A new range keeps the child chosen.
        v->Fecha_desde->setDate(QDate(2026, 3, 1));
        QCOMPARE(v->Combo_grafico->currentText(), QStringLiteral("Lucía"));
    }

    void exportar_data() {
        QTest::addColumn<QString>("archivo"); // empty: cancelled
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("written") << "clase.csv" << QStringList{};
        QTest::newRow("cancelled") << "" << QStringList{};
        QTest::newRow("cannot write")
            << "no/existe/clase.csv" << QStringList{kTextoErrorExportarClase};
    }
    // The table of the range shown, through the save dialog; nothing half
    // written when it fails.
    void exportar() {
        QFETCH(QString, archivo);
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        const QString ruta = archivo.isEmpty() ? QString() : dir_->filePath(archivo);
        resultados::PeticionArchivo pedido;
        resultados::FijarContestadorArchivo([&](const resultados::PeticionArchivo& p) {
            pedido = p;
            return ruta;
        });
        v->Boton_exportar->click();
        QVERIFY(pedido.guardar);
        QVERIFY(pedido.inicial.endsWith(QLatin1String(".csv")));
        QTEST(buzon_.Textos(), "mensajes");
        if (ruta.isEmpty() || !buzon_.mensajes.isEmpty()) {
            QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{});
            return;
        }
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray csv = f.readAll();
        QCOMPARE(csv, CsvInformeClase(v->Informe()));
        QCOMPARE(csv.count('\n'), 1 + 3 * 6);
        QVERIFY(csv.contains("Lucía;restas_con_llevar;5;"));
    }

    // The print dialog, then the preview: the class page and one per child.
    void imprimir() {
        QVERIFY(EscribirClase(Resultados()));
        auto v = Ventana();
        const QString pdf = dir_->filePath(QStringLiteral("clase.pdf"));
        int vistas = 0;
        buzon_.dialogos << [&](QDialog* d) {
            QPrinter* p = qobject_cast<QPrintDialog*>(d)->printer();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        buzon_.dialogos << [&](QDialog* d) {
            auto* w = d->findChild<QPrintPreviewWidget*>();
            w->updatePreview();
            vistas = w->pageCount();
            w->print();
            return int(QDialog::Accepted);
        };
        v->Boton_imprimir->click();
        QCOMPARE(buzon_.dialogos_vistos, (QStringList{"PrintDialog1", "Vista_previa"}));
        QCOMPARE(buzon_.Textos(), QStringList{});
        QCOMPARE(vistas, 4);
        const InfoPdf info = LeerInfoPdf(pdf);
        QCOMPARE(info.paginas, 4);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QString texto = SalidaDe(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const char* t : {"Informe de la clase", "Del 2/3/2026 al 8/3/2026", "Mapa de errores",
                              "Progreso de Lucía", "Errores confirmados"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
    }
};

QTEST_MAIN(TestVentanaInformeClase)
#include "test_ventana_informe_clase.moc"
