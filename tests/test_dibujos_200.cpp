// The shipped pictures on a screen at 200 %: their "@2x" copy read instead
// of the ordinary one (never both), the ordinary one when the copy is
// missing or broken, and drawn pixel for pixel. Runs with QT_SCALE_FACTOR=2.
#include "nucleo/dibujos.h"
#include "nucleo/imagen_animada.h"
#include "platform/cursores.h"

#include <QFile>
#include <QImage>
#include <QMovie>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

class TestDibujos200 : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString Ruta(const QString& nombre) const { return dir_.filePath(nombre); }
    bool Guardar(const QString& nombre, const QColor& color, int lado) const {
        QImage img(lado, lado, QImage::Format_RGB32);
        img.fill(color);
        return img.save(Ruta(nombre), "BMP");
    }
    bool Escribir(const QString& nombre, const QByteArray& datos) const {
        QFile f(Ruta(nombre));
        return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void nombre_doble_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("doble");
        QTest::newRow("plain") << "fondo.bmp"
                               << "fondo@2x.bmp";
        QTest::newRow("in a folder") << "caras/cara1.bmp"
                                     << "caras/cara1@2x.bmp";
        QTest::newRow("dot in the folder only") << "/tmp/a.b/cara"
                                                << "/tmp/a.b/cara@2x";
    }
    void nombre_doble() {
        QFETCH(QString, ruta);
        QFETCH(QString, doble);
        QCOMPARE(NombreDoble(ruta), doble);
    }

    // Red 1x, green 2x: which one is shown says which one was read.
    void dibujo_doble_data() {
        QTest::addColumn<QByteArray>("doble"); // "" none, "roto" broken, "bien" a good copy
        QTest::addColumn<QColor>("color");
        QTest::addColumn<qreal>("razon");
        QTest::newRow("2x copy") << QByteArray("bien") << QColor(Qt::green) << 2.0;
        QTest::newRow("no copy") << QByteArray() << QColor(Qt::red) << 1.0;
        QTest::newRow("broken copy") << QByteArray("roto") << QColor(Qt::red) << 1.0;
    }
    void dibujo_doble() {
        QFETCH(QByteArray, doble);
        QFETCH(QColor, color);
        QFETCH(qreal, razon);
        const QString nombre = Ruta(QStringLiteral("dibujo_%1.bmp").arg(QTest::currentDataTag()));
        QVERIFY(Guardar(QFileInfo(nombre).fileName(), Qt::red, 6));
        const QString copia = QFileInfo(NombreDoble(nombre)).fileName();
        if (doble == "bien") QVERIFY(Guardar(copia, Qt::green, 12));
        if (doble == "roto") QVERIFY(Escribir(copia, "BM no es un dibujo"));
        const QPixmap p = DibujoParaPantalla(nombre);
        QVERIFY(!p.isNull());
        QCOMPARE(p.devicePixelRatio(), razon);
        // The same size on screen either way.
        QCOMPARE(p.deviceIndependentSize().toSize(), QSize(6, 6));
        QCOMPARE(QColor(p.toImage().pixel(0, 0)), color);
    }

    // The animation's "@2x" copy plays, or the ordinary one if the copy is
    // broken. The copy is drawn pixel for pixel: what the label shows is
    // one of its frames, not a frame shrunk to the label and blown up again.
    void animacion_doble_data() {
        QTest::addColumn<bool>("doble_bien");
        QTest::newRow("2x copy") << true;
        QTest::newRow("broken 2x copy") << false;
    }
    void animacion_doble() {
        QFETCH(bool, doble_bien);
        const QString nombre = QStringLiteral("cmental_%1.gif").arg(doble_bien);
        const QString doble = NombreDoble(nombre);
        QFile::remove(Ruta(nombre));
        QFile::remove(Ruta(doble));
        QVERIFY(QFile::copy(QStringLiteral(ZIFRA_JUEGO "/cmental.gif"), Ruta(nombre)));
        QVERIFY(doble_bien ? QFile::copy(QStringLiteral(ZIFRA_JUEGO "/cmental@2x.gif"), Ruta(doble))
                           : Escribir(doble, "GIF89a roto"));
        QWidget padre;
        ImagenAnimada gif(QStringLiteral("gif"), &padre);
        gif.setGeometry(0, 0, 120, 120);
        gif.Cargar(Ruta(nombre));
        padre.show();
        gif.Empezar();
        QVERIFY(gif.Animando());
        if (!doble_bien) return;
        QImage visto = gif.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        visto.setDevicePixelRatio(1.0);
        QCOMPARE(visto.size(), QSize(240, 240));
        // The frames' transparent parts show the parent; the rest must match.
        QMovie referencia(Ruta(doble));
        bool igual = false;
        for (int i = 0; i < referencia.frameCount() && !igual; ++i) {
            QVERIFY(referencia.jumpToFrame(i));
            const QImage cuadro = referencia.currentImage();
            int distintos = 0, opacos = 0;
            for (int y = 0; y < cuadro.height(); ++y)
                for (int x = 0; x < cuadro.width(); ++x)
                    if (qAlpha(cuadro.pixel(x, y)) == 255) {
                        ++opacos;
                        distintos += visto.pixel(x, y) != cuadro.pixel(x, y);
                    }
            igual = opacos > 0 && distintos == 0;
        }
        QVERIFY(igual);
    }

    // The hand at twice the pixels, the same size on screen.
    void cursor_de_mano() {
        const QCursor mano = plataforma::CursorMano();
        QCOMPARE(mano.shape(), Qt::BitmapCursor);
        QCOMPARE(mano.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(mano.pixmap().size(), QSize(64, 64));
        QCOMPARE(mano.hotSpot(), QPoint(9, 1));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestDibujos200 prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "test_dibujos_200.moc"
