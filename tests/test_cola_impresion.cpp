// Printing through a real print queue: the cupsd that tests/cups/arrancar.sh
// starts for ctest has a cups-pdf queue "PDF", which turns every job into a
// PDF file. The results window and the worksheet commands print to it as a
// teacher would, and each file is read back with poppler's tools.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/servicios.h"
#include "pdf_pruebas.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"
#include "results/form_resultados.h"
#include "results/impresion_resultados.h"
#include "worksheets/form_paginas.h"
#include "worksheets/impresion_hojas.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

const QString kCola = QStringLiteral("PDF");

// Where cups-pdf writes the jobs of our queue.
QDir Salida() {
    return QDir(qEnvironmentVariable("ZIFRA_COLA_SALIDA"));
}

QString Pendientes() {
    return SalidaDe(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed();
}

void VaciarSalida() {
    for (const QFileInfo& f : Salida().entryInfoList(QDir::Files))
        QFile::remove(f.absoluteFilePath());
}

struct Trabajo {
    QString archivo; // empty when it never came
    qint64 ms = 0;   // from the job handed to cupsd to its file written
    QString error;
};

// The job is done when it has left the queue and its file is not empty.
Trabajo EsperarArchivo(int limite_ms = 60000) {
    QElapsedTimer t;
    t.start();
    QFileInfoList pdfs;
    while (t.elapsed() < limite_ms) {
        pdfs = Salida().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        if (pdfs.size() == 1 && pdfs[0].size() > 0 && Pendientes().isEmpty())
            return {pdfs[0].absoluteFilePath(), t.elapsed(), {}};
        QTest::qWait(50);
    }
    QStringList nombres;
    for (const QFileInfo& f : pdfs)
        nombres << QStringLiteral("%1 (%2 bytes)").arg(f.fileName()).arg(f.size());
    return {{},
            t.elapsed(),
            QStringLiteral("no PDF after %1 ms. lpstat -o: [%2]; in %3: [%4]")
                .arg(t.elapsed())
                .arg(Pendientes(), Salida().path(), nombres.join(u','))};
}

// The results page turned a quarter: its centred title runs up the left
// edge of the sheet; the corner above its right end is white.
const QRectF kTitulo(0.0, 0.35, 0.03, 0.3);
const QRectF kSobreElTitulo(0.0, 0.0, 0.02, 0.2);

// Picks the queue in the dialog's own list and confirms, as a teacher would.
int ElegirCola(QDialog* d, QString& error) {
    auto* dialogo = qobject_cast<QPrintDialog*>(d);
    auto* lista = d->findChild<QComboBox*>(QStringLiteral("printers"));
    if (!dialogo || !lista) {
        error = QStringLiteral("no printer list in %1").arg(d->objectName());
        return QDialog::Rejected;
    }
    const int i = lista->findText(kCola);
    if (i < 0) {
        error = QStringLiteral("queue %1 not offered by the print dialog").arg(kCola);
        return QDialog::Rejected;
    }
    lista->setCurrentIndex(i);
    dialogo->show(); // as exec() would; it fills its fields when shown
    dialogo->accept();
    return dialogo->result();
}

} // namespace

class TestColaImpresion : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList elegidos_;
    QStringList cifras_;

    QString Carpeta() const { return dir_->filePath(QStringLiteral("resultad")); }

    void Crear() {
        CrearVentanas();
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        VolverAlDirectorioInicial();
    }

    // Waits for the job and checks its pages, on A4 paper fed upright as the
    // queue's printer takes it: a landscape drawing comes turned a quarter,
    // so its full-width rule runs down the sheet. On page 1, `cabecera`
    // holds the heading's ink and `limpio` stays white.
    void Comprobar(const QString& que, int paginas, bool apaisado, const QRectF& cabecera,
                   const QRectF& limpio) {
        const Trabajo t = EsperarArchivo();
        QVERIFY2(!t.archivo.isEmpty(), qPrintable(t.error));
        const InfoPdf info = LeerInfoPdf(t.archivo);
        const QString cifra = QStringLiteral("%1: job to file %2 ms, %3")
                                  .arg(que, -42)
                                  .arg(t.ms, 5)
                                  .arg(info.Texto());
        qInfo("%s", qPrintable(cifra));
        cifras_ << cifra;
        QCOMPARE(info.paginas, paginas);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QImage pagina = PrimeraPagina(t.archivo);
        QVERIFY(!pagina.isNull());
        QVERIFY(pagina.height() > pagina.width());
        const int raya = RayaMasLarga(pagina);
        QVERIFY2((raya > 0.95 * pagina.height()) == apaisado,
                 qPrintable(QStringLiteral("longest rule down the sheet: %1 of %2 pixels")
                                .arg(raya)
                                .arg(pagina.height())));
        const double tinta = Tinta(pagina, cabecera);
        QVERIFY2(tinta > 0.01, qPrintable(QString::number(tinta)));
        QCOMPARE(Tinta(pagina, limpio), 0.0);
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER") &&
                     !qEnvironmentVariableIsEmpty("ZIFRA_COLA_SALIDA"),
                 "run through ctest: its cola_cups fixture starts cupsd and sets CUPS_SERVER "
                 "and ZIFRA_COLA_SALIDA");
        QVERIFY2(QPrinterInfo::availablePrinterNames().contains(kCola),
                 qPrintable(QStringLiteral("no queue %1 at %2; lpstat -r: %3")
                                .arg(kCola, qEnvironmentVariable("CUPS_SERVER"),
                                     SalidaDe(QStringLiteral("lpstat"), {QStringLiteral("-r")}))));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), kCola);
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkdir(QStringLiteral("juego"));
        buzon_ = Buzon{};
        buzon_.Instalar();
        elegidos_.clear();
        resultados::FijarContestadorArchivo([this](const resultados::PeticionArchivo&) {
            return elegidos_.isEmpty() ? QString() : elegidos_.takeFirst();
        });
        VaciarSalida();
        QVERIFY2(Pendientes().isEmpty(), qPrintable(Pendientes()));
    }
    void cleanup() {
        delete Form_menu;
        resultados::FijarContestadorArchivo(nullptr);
        buzon_.Quitar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }
    void cleanupTestCase() { qInfo("\n%s", qPrintable(cifras_.join(u'\n'))); }

    // Three players fit on one landscape page; the printer is upright again
    // after the job.
    void resultados_actuales() {
        Crear();
        JugadoresDePrueba(3);
        auto* f = Form_Resultados;
        QString error;
        auto antes = QPageLayout::Landscape;
        buzon_.dialogos << [&](QDialog* d) {
            const int r = ElegirCola(d, error);
            antes = qobject_cast<QPrintDialog*>(d)->printer()->pageLayout().orientation();
            return r;
        };
        f->Imprimirresultadosactuales1->trigger();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"PrintDialog1"});
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        QCOMPARE(f->Impresora->outputFormat(), QPrinter::NativeFormat);
        QCOMPARE(f->Impresora->printerName(), kCola);
        Comprobar(QStringLiteral("results, 3 players"), 1, true, kTitulo, kSobreElTitulo);
        QCOMPARE(antes, QPageLayout::Portrait);
        QCOMPARE(f->Impresora->pageLayout().orientation(), antes);
    }

    // 60 records from a file: as many pages as our own PDF printing of the
    // same file, with the queue's paper and resolution, gives.
    void resultados_de_archivo() {
        Crear();
        JugadoresDePrueba(2);
        QDir().mkpath(Carpeta());
        std::vector<ResultsRecord> registros(60);
        for (int i = 0; i < 60; ++i) {
            std::snprintf(registros[i].nombre, sizeof registros[i].nombre, "Alumno %d", i + 1);
            registros[i].anio = 2024;
            registros[i].dia = uint8_t(1 + i % 28);
            registros[i].mes = uint8_t(1 + i % 12);
            for (int k = 0; k < kTiposEjercicio; ++k) {
                registros[i].aciertos[k] = i + k;
                registros[i].fallos[k] = k;
            }
        }
        const QString ruta = Carpeta() + QStringLiteral("/sesenta.rsr");
        QCOMPARE(resultados::EscribirArchivoResultados(ruta, registros.data(), 60),
                 resultados::Escritura::Bien);
        QCOMPARE(resultados::ContarRegistros(ruta), 60);

        auto* f = Form_Resultados;
        QString error;
        auto antes = QPageLayout::Landscape;
        buzon_.dialogos << [&](QDialog* d) {
            const int r = ElegirCola(d, error);
            antes = qobject_cast<QPrintDialog*>(d)->printer()->pageLayout().orientation();
            return r;
        };
        elegidos_ << ruta;
        f->Imprimirresultadosdeunarchivo1->trigger();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        QVERIFY(elegidos_.isEmpty());
        QCOMPARE(f->Impresora->pageLayout().orientation(), antes);

        QPrinter propia(QPrinter::HighResolution);
        propia.setOutputFormat(QPrinter::PdfFormat);
        propia.setOutputFileName(dir_->filePath(QStringLiteral("propia.pdf")));
        propia.setResolution(f->Impresora->resolution());
        propia.setPageLayout(f->Impresora->pageLayout());
        QVERIFY(resultados::ImprimirArchivoResultados(ruta, propia));
        const int esperadas = LeerInfoPdf(propia.outputFileName()).paginas;
        qInfo("60 records at %d dpi: %d pages by our own PDF printing", propia.resolution(),
              esperadas);
        QVERIFY(esperadas >= 2);
        Comprobar(QStringLiteral("results file, 60 records"), esperadas, true, kTitulo,
                  kSobreElTitulo);
        QCOMPARE(juego.num_jugadores, 2);
    }

    // Each worksheet kind, printed from its preview, in portrait whatever the
    // teacher chose in the dialog, which the printer keeps afterwards.
    void hoja_de_cada_clase_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<int>("paginas");
        QTest::newRow("sin llevadas") << "Sumasyrestassinllevarse1" << 1;
        QTest::newRow("sumas con, restas sin") << "SumasCONllevadasrestasSINllevadas1" << 2;
        QTest::newRow("sumas con, restas sin, difícil") << "SumasCONRestasSINdificil" << 3;
        QTest::newRow("con llevadas") << "SumasyrestasCONllevadas1" << 2;
        QTest::newRow("con llevadas, difícil") << "SumasyRestasCONllevadasmsdifcil1" << 1;
        QTest::newRow("cálculo mental simple") << "Clculomentalsimple1" << 2;
        QTest::newRow("cálculo mental combinado") << "Clculomentalcombinado1" << 3;
    }
    void hoja_de_cada_clase() {
        QFETCH(QString, orden);
        QFETCH(int, paginas);
        Crear();
        QString error;
        int vistas = 0;
        buzon_.dialogos << [paginas](QDialog* d) {
            d->show();
            auto* p = qobject_cast<TForm_paginas*>(d);
            p->Edit1->setText(QString::number(paginas));
            p->xpButton1->click();
            return d->result();
        };
        buzon_.dialogos << [&](QDialog* d) {
            const int r = ElegirCola(d, error);
            qobject_cast<QPrintDialog*>(d)->printer()->setPageOrientation(QPageLayout::Landscape);
            return r;
        };
        buzon_.dialogos << [&](QDialog* d) {
            auto* w = d->findChild<QPrintPreviewWidget*>();
            w->updatePreview();
            vistas = w->pageCount();
            w->print();
            return int(QDialog::Accepted);
        };
        Form_menu->Accion(orden.toLatin1().constData())->trigger();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(buzon_.dialogos_vistos,
                 (QStringList{"Form_paginas", "PrintDialog1", "Vista_previa"}));
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        QCOMPARE(vistas, paginas);
        QCOMPARE(hojas::ImpresoraHojas().printerName(), kCola);
        // "Nombre:....." runs along the top from the left margin; above it
        // the paper is white.
        Comprobar(
            QStringLiteral("worksheet %1, %2 pages").arg(QTest::currentDataTag()).arg(paginas),
            paginas, false, QRectF(0.04, 0.03, 0.8, 0.03), QRectF(0.0, 0.0, 1.0, 0.025));
        QCOMPARE(hojas::ImpresoraHojas().pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(Form_menu->Accion("Impresin1")->isEnabled());
    }
};

QTEST_MAIN(TestColaImpresion)
#include "test_cola_impresion.moc"
