// With no print queue at all (ctest points CUPS at a socket where no cupsd
// listens), Qt would print into a PDF file with no name. The print dialog
// must offer a named file in the results folder, and a job that cannot
// start must say so.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "aprendizaje/ventana_diagnostico.h"
#include "nucleo/servicios.h"
#include "pdf_pruebas.h"
#include "platform/impresoras.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"
#include "results/form_resultados.h"
#include "results/impresion_resultados.h"
#include "worksheets/form_paginas.h"
#include "worksheets/impresion_hojas.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>
#include <memory>

using hojas::HojaImpresion;

namespace {

enum Fallo { Ninguno, CarpetaImposible, SinArchivo };

// What the print dialog offered before the user confirmed it.
struct Oferta {
    QPrinter::OutputFormat formato = QPrinter::NativeFormat;
    QString impresora; // the printer's file
    QString campo;     // the dialog's file field
};

// Confirms the real dialog, which copies its fields into the printer.
std::function<int(QDialog*)> Confirmar(Oferta& oferta) {
    return [&oferta](QDialog* d) {
        auto* dialogo = qobject_cast<QPrintDialog*>(d);
        dialogo->show(); // it fills its lists when shown
        oferta.formato = dialogo->printer()->outputFormat();
        oferta.impresora = dialogo->printer()->outputFileName();
        if (auto* campo = d->findChild<QLineEdit*>(QStringLiteral("filename")))
            oferta.campo = campo->text();
        dialogo->accept();
        return dialogo->result();
    };
}

} // namespace

class TestSinCola : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList elegidos_;

    QString Carpeta() const { return dir_->filePath(QStringLiteral("resultad")); }

    void Crear() {
        CrearVentanas();
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        VolverAlDirectorioInicial();
    }

    // A file where the results folder should be: nothing can be written there.
    void BloquearCarpeta() {
        QFile f(Carpeta());
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() {
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(),
                 qPrintable(QStringLiteral("queues found at CUPS_SERVER=%1: %2")
                                .arg(qEnvironmentVariable("CUPS_SERVER"),
                                     QPrinterInfo::availablePrinterNames().join(u','))));
        QVERIFY(!plataforma::HayImpresoras());
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
    }
    void cleanup() {
        delete Form_menu;
        resultados::FijarContestadorArchivo(nullptr);
        buzon_.Quitar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    // Qt's own fallback: a PDF printer whose file has no name, which no
    // painter can open; after that the printer stays "active" and takes no
    // new file. That is what the commands below have to mend.
    void qt_sin_cola_no_tiene_archivo() {
        QPrinter p(QPrinter::HighResolution);
        QCOMPARE(p.outputFormat(), QPrinter::PdfFormat);
        QVERIFY(p.outputFileName().isEmpty());
        QPainter pintor;
        QVERIFY(!pintor.begin(&p));
        p.setOutputFileName(dir_->filePath(QStringLiteral("x.pdf")));
        QVERIFY(p.outputFileName().isEmpty());
        QCOMPARE(p.printerState(), QPrinter::Active);
    }

    // Both results commands, into the offered file or failing to start:
    // the folder cannot be made, or the dialog leaves the printer with no
    // file, as Qt's own fallback does. Either way the next try prints.
    void resultados_data() {
        QTest::addColumn<bool>("de_archivo");
        QTest::addColumn<int>("fallo");
        QTest::newRow("actuales") << false << int(Ninguno);
        QTest::newRow("de un archivo") << true << int(Ninguno);
        QTest::newRow("actuales, carpeta imposible") << false << int(CarpetaImposible);
        QTest::newRow("de un archivo, carpeta imposible") << true << int(CarpetaImposible);
        QTest::newRow("actuales, sin archivo") << false << int(SinArchivo);
        QTest::newRow("de un archivo, sin archivo") << true << int(SinArchivo);
    }
    void resultados() {
        QFETCH(bool, de_archivo);
        QFETCH(int, fallo);
        Crear();
        JugadoresDePrueba(3);
        if (fallo == CarpetaImposible) BloquearCarpeta();
        auto* f = Form_Resultados;
        f->Impresora.reset(); // the first print of the run
        const QString rsr = dir_->filePath(QStringLiteral("juego/clase.rsr"));
        QCOMPARE(resultados::EscribirArchivoResultados(rsr, juego.jugadores, 3),
                 resultados::Escritura::Bien);
        QAction* orden =
            de_archivo ? f->Imprimirresultadosdeunarchivo1 : f->Imprimirresultadosactuales1;
        Oferta oferta;
        buzon_.dialogos << Confirmar(oferta);
        if (fallo == SinArchivo)
            buzon_.dialogos.head() = [&oferta](QDialog* d) {
                Confirmar(oferta)(d);
                qobject_cast<QPrintDialog*>(d)->printer()->setOutputFileName(QString());
                return int(QDialog::Accepted);
            };
        elegidos_ << rsr;
        orden->trigger();

        const QString esperado = Carpeta() + QStringLiteral("/resultados.pdf");
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"PrintDialog1"});
        QCOMPARE(oferta.formato, QPrinter::PdfFormat);
        QCOMPARE(oferta.impresora, esperado);
        QCOMPARE(oferta.campo, esperado);
        QCOMPARE(elegidos_.isEmpty(), de_archivo);
        QCOMPARE(f->Impresora->pageLayout().orientation(), QPageLayout::Portrait);
        if (fallo != Ninguno) {
            QCOMPARE(buzon_.Textos(), QStringList{resultados::kTextoErrorImpresora});
            QCOMPARE(buzon_.mensajes[0].icono, plataforma::Icono::Error);
            QCOMPARE(buzon_.pitidos, 1);
            QVERIFY(!QFile::exists(esperado));
            if (fallo == CarpetaImposible) QVERIFY(QFile::remove(Carpeta()));
            buzon_.mensajes.clear();
            oferta = Oferta{};
            buzon_.dialogos << Confirmar(oferta);
            elegidos_ << rsr;
            orden->trigger();
            QCOMPARE(oferta.campo, esperado);
        }
        QCOMPARE(f->Impresora->outputFileName(), esperado);
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        const InfoPdf info = LeerInfoPdf(esperado);
        QCOMPARE(info.paginas, 1);
        QVERIFY2(info.Apaisada(), qPrintable(info.Texto()));
    }

    // Every worksheet offers a file named after it; one the folder cannot
    // take gives the worksheets' printer message and disables the menu.
    void hojas_data() {
        QTest::addColumn<int>("hoja");
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<bool>("bloqueada");
        const struct {
            HojaImpresion hoja;
            const char* archivo;
        } filas[] = {
            {HojaImpresion::SumasRestasSinLlevadas, "sumas y restas sin llevadas.pdf"},
            {HojaImpresion::SumasConRestasSin, "sumas con llevadas, restas sin llevadas.pdf"},
            {HojaImpresion::SumasConRestasSinDificil,
             "sumas con llevadas, restas sin llevadas, más difícil.pdf"},
            {HojaImpresion::SumasRestasConLlevadas, "sumas y restas con llevadas.pdf"},
            {HojaImpresion::SumasRestasConDificil, "sumas y restas con llevadas, más difícil.pdf"},
            {HojaImpresion::CalculoMentalSimple, "cálculo mental simple.pdf"},
            {HojaImpresion::CalculoMentalCombinado, "cálculo mental combinado.pdf"},
        };
        for (const auto& f : filas)
            QTest::newRow(f.archivo) << int(f.hoja) << QString::fromUtf8(f.archivo) << false;
        QTest::newRow("carpeta imposible, columnas")
            << int(HojaImpresion::SumasRestasConLlevadas)
            << QStringLiteral("sumas y restas con llevadas.pdf") << true;
        QTest::newRow("carpeta imposible, mental")
            << int(HojaImpresion::CalculoMentalSimple)
            << QStringLiteral("cálculo mental simple.pdf") << true;
    }
    void hojas() {
        QFETCH(int, hoja);
        QFETCH(QString, archivo);
        QFETCH(bool, bloqueada);
        Crear();
        if (bloqueada) BloquearCarpeta();
        Oferta oferta;
        buzon_.dialogos << [](QDialog* d) {
            d->show();
            qobject_cast<TForm_paginas*>(d)->Edit1->setText(QStringLiteral("2"));
            qobject_cast<TForm_paginas*>(d)->xpButton1->click();
            return d->result();
        };
        buzon_.dialogos << Confirmar(oferta);
        buzon_.dialogos << [](QDialog* d) {
            d->findChild<QPrintPreviewWidget*>()->print();
            return int(QDialog::Accepted);
        };
        hojas::ImprimirHoja(HojaImpresion(hoja));

        const QString esperado = Carpeta() + QLatin1Char('/') + archivo;
        QCOMPARE(hojas::ArchivoDe(HojaImpresion(hoja)), esperado);
        QCOMPARE(buzon_.dialogos_vistos,
                 (QStringList{"Form_paginas", "PrintDialog1", "Vista_previa"}));
        QCOMPARE(oferta.formato, QPrinter::PdfFormat);
        QCOMPARE(oferta.impresora, esperado);
        QCOMPARE(oferta.campo, esperado);
        if (bloqueada) {
            QCOMPARE(buzon_.Textos(), QStringList{hojas::kMensajeImpresora});
            QVERIFY(!Form_menu->Accion("Impresin1")->isEnabled());
            QVERIFY(!QFile::exists(esperado));
            return;
        }
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        QVERIFY(Form_menu->Accion("Impresin1")->isEnabled());
        const InfoPdf info = LeerInfoPdf(esperado);
        QCOMPARE(info.paginas, 2);
        QVERIFY2(!info.Apaisada() && info.EsA4(), qPrintable(info.Texto()));
    }

    // The diagnosis window offers a file of its own in the results folder,
    // which the preview prints into.
    void diagnostico() {
        Crear();
        VentanaDiagnostico v(LecturaDiarios{}, {QStringLiteral("Ana")});
        Oferta oferta;
        buzon_.dialogos << Confirmar(oferta);
        buzon_.dialogos << [](QDialog* d) {
            d->findChild<QPrintPreviewWidget*>()->print();
            return int(QDialog::Accepted);
        };
        v.Boton_imprimir->click();
        const QString esperado = Carpeta() + QStringLiteral("/diagnóstico de errores.pdf");
        QCOMPARE(buzon_.dialogos_vistos, (QStringList{"PrintDialog1", "Vista_previa"}));
        QCOMPARE(oferta.formato, QPrinter::PdfFormat);
        QCOMPARE(oferta.impresora, esperado);
        QCOMPARE(oferta.campo, esperado);
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        const InfoPdf info = LeerInfoPdf(esperado);
        QCOMPARE(info.paginas, 1);
        QVERIFY2(!info.Apaisada() && info.EsA4(), qPrintable(info.Texto()));
    }

    // A file the user chose in the dialog stays for the next worksheet.
    void archivo_elegido_se_queda() {
        Crear();
        const QString propio = dir_->filePath(QStringLiteral("mis hojas.pdf"));
        hojas::ImpresoraHojas().setOutputFileName(propio);
        Oferta oferta;
        buzon_.dialogos << [](QDialog* d) {
            d->show();
            qobject_cast<TForm_paginas*>(d)->Edit1->setText(QStringLiteral("1"));
            qobject_cast<TForm_paginas*>(d)->xpButton1->click();
            return d->result();
        };
        buzon_.dialogos << Confirmar(oferta);
        hojas::ImprimirHoja(HojaImpresion::CalculoMentalCombinado);
        QCOMPARE(oferta.impresora, propio);
        QCOMPARE(oferta.campo, propio);
        QCOMPARE(buzon_.dialogos_vistos,
                 (QStringList{"Form_paginas", "PrintDialog1", "Vista_previa"}));
        hojas::ImpresoraHojas().setOutputFileName(QString());
    }
};

QTEST_MAIN(TestSinCola)
#include "test_sin_cola.moc"
