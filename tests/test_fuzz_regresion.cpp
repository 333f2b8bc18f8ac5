// Replays every input the fuzzers started from or once broke, so a fault
// they found can never come back unnoticed.
#include "fuzz/arneses.h"
#include "fuzz/arneses_diario.h"
#include "fuzz/arneses_ordenes.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzRegresion : public QObject {
    Q_OBJECT

private slots:
    void entradas_data();
    void entradas();
};

void TestFuzzRegresion::entradas_data() {
    QTest::addColumn<QString>("objetivo");
    QTest::addColumn<QString>("ruta");
    int filas = 0;
    for (const char* objetivo : {"resultados", "anadido", "puntuaciones", "diario", "ordenes"}) {
        for (const char* carpeta : {"semillas", "regresiones"}) {
            const QDir dir(QStringLiteral(ZIFRA_FUZZ_DIR "/%1/%2").arg(carpeta, objetivo));
            for (const QString& f : dir.entryList(QDir::Files, QDir::Name)) {
                QTest::newRow(qPrintable(QStringLiteral("%1/%2/%3").arg(objetivo, carpeta, f)))
                    << QString::fromLatin1(objetivo) << dir.filePath(f);
                ++filas;
            }
        }
    }
    // An empty table would pass without checking anything.
    QVERIFY2(filas >= 24, "faltan las semillas de tests/fuzz");
}

void TestFuzzRegresion::entradas() {
    QFETCH(QString, objetivo);
    QFETCH(QString, ruta);
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const auto* d = reinterpret_cast<const uint8_t*>(b.constData());
    const size_t n = size_t(b.size());
    std::string fallo;
    if (objetivo == QLatin1String("resultados"))
        fallo = arneses::LecturaResultados(d, n);
    else if (objetivo == QLatin1String("anadido"))
        fallo = arneses::ComprobacionAnadido(d, n);
    else if (objetivo == QLatin1String("diario"))
        fallo = arneses::LecturaDiario(d, n);
    else if (objetivo == QLatin1String("ordenes"))
        fallo = arneses::OpcionesDeOrdenes(d, n);
    else
        fallo = arneses::LecturaPuntuaciones(d, n);
    QVERIFY2(fallo.empty(), fallo.c_str());
}

QTEST_GUILESS_MAIN(TestFuzzRegresion)
#include "test_fuzz_regresion.moc"
