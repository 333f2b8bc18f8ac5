// The data files the build generates beside the program: the same bytes on
// every run, pictures and animations Qt reads as the game uses them, and a
// success tune of the right length that really sounds.
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QMovie>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTransform>
#include <QtEndian>
#include <QtTest>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

namespace {

const QStringList kArchivos = {
    QStringLiteral("acierto.bmp"),        QStringLiteral("acierto.mid"),
    QStringLiteral("acierto@2x.bmp"),     QStringLiteral("animacion1.gif"),
    QStringLiteral("animacion1@2x.gif"),  QStringLiteral("animacion2.gif"),
    QStringLiteral("animacion2@2x.gif"),  QStringLiteral("caras/cara1.bmp"),
    QStringLiteral("caras/cara1@2x.bmp"), QStringLiteral("caras/cara2.bmp"),
    QStringLiteral("caras/cara2@2x.bmp"), QStringLiteral("caras/cara3.bmp"),
    QStringLiteral("caras/cara3@2x.bmp"), QStringLiteral("caras/cara4.bmp"),
    QStringLiteral("caras/cara4@2x.bmp"), QStringLiteral("caras/cara5.bmp"),
    QStringLiteral("caras/cara5@2x.bmp"), QStringLiteral("caras/cara6.bmp"),
    QStringLiteral("caras/cara6@2x.bmp"), QStringLiteral("caras/cara7.bmp"),
    QStringLiteral("caras/cara7@2x.bmp"), QStringLiteral("caras/cara8.bmp"),
    QStringLiteral("caras/cara8@2x.bmp"), QStringLiteral("cmental.gif"),
    QStringLiteral("cmental@2x.gif"),     QStringLiteral("fondo.bmp"),
    QStringLiteral("fondo2.bmp"),         QStringLiteral("fondo2@2x.bmp"),
    QStringLiteral("fondo@2x.bmp"),
};

// Runs the generator; returns its exit code, or -1 if it crashed or hung.
int Generar(const QStringList& argumentos, QByteArray* errores = nullptr) {
    QProcess p;
    p.start(QStringLiteral(ZIFRA_GENERAR_DATOS), argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return -1;
    if (errores) *errores = p.readAllStandardError();
    return p.exitCode();
}

QStringList Listar(const QString& carpeta) {
    QStringList archivos;
    const QDir base(carpeta);
    QDirIterator it(carpeta, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        archivos << base.relativeFilePath(it.next());
    archivos.sort();
    return archivos;
}

int Colores(const QImage& img) {
    QSet<QRgb> vistos;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            vistos.insert(img.pixel(x, y));
    return int(vistos.size());
}

int Claridad(const QImage& img, int x, int y) {
    return QColor(img.pixel(x, y)).lightness();
}

// Longest run of rows in which columns a and b differ clearly. An antialiased
// edge crosses a column pair in a few rows; a motif cut straight by the tile's
// border differs all along the cut.
int RachaDistinta(const QImage& img, int a, int b) {
    int racha = 0, mayor = 0;
    for (int y = 0; y < img.height(); ++y) {
        racha = std::abs(Claridad(img, a, y) - Claridad(img, b, y)) > 6 ? racha + 1 : 0;
        mayor = std::max(mayor, racha);
    }
    return mayor;
}

// Across the wrap, from the last column back to the first, the picture must
// change no more abruptly than between any two of its own neighbouring columns.
void ComprobarCosturaVertical(const QImage& img, const char* lado) {
    int interior = 0;
    for (int x = 0; x + 1 < img.width(); ++x)
        interior = std::max(interior, RachaDistinta(img, x, x + 1));
    const int costura = RachaDistinta(img, img.width() - 1, 0);
    QVERIFY2(costura <= interior, qPrintable(QStringLiteral("%1: seam %2 rows, inside at most %3")
                                                 .arg(QLatin1String(lado))
                                                 .arg(costura)
                                                 .arg(interior)));
}

// A BMP as the game expects it: uncompressed 24-bit, read by Qt.
QImage LeerBmp(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray cabecera = f.read(54);
    if (cabecera.size() < 54 || !cabecera.startsWith("BM")) return {};
    if (qFromLittleEndian<quint16>(cabecera.constData() + 28) != 24) return {};
    if (qFromLittleEndian<quint32>(cabecera.constData() + 30) != 0) return {};
    QImageReader lector(ruta);
    if (lector.format() != "bmp") return {};
    return lector.read();
}

// ------------------------------------------------------------ MIDI reading

struct NotaMidi {
    int canal, tono;
    qint64 desde, hasta;
};

struct Midi {
    QString error;
    int formato = -1, division = 0;
    QMap<qint64, int> tempos; // tick -> microseconds per quarter note
    QList<NotaMidi> notas;
    QSet<int> con_programa; // channels that chose an instrument
    qint64 fin = 0;         // latest End-of-Track

    double Segundos(qint64 tick) const {
        double microsegundos = 0;
        qint64 antes = 0;
        int tempo = 500000;
        for (auto it = tempos.cbegin(); it != tempos.cend() && it.key() < tick; ++it) {
            microsegundos += double(it.key() - antes) * tempo;
            antes = it.key();
            tempo = it.value();
        }
        microsegundos += double(tick - antes) * tempo;
        return microsegundos / 1e6 / division;
    }
};

// Standard MIDI File reader, strict where a writer could go wrong: sizes,
// delta times, running status (cancelled by meta and sysex events), notes
// that never end, tracks without End-of-Track.
class LectorMidi {
public:
    explicit LectorMidi(const QByteArray& datos) : d_(datos), limite_(int(datos.size())) {}

    Midi Leer() {
        Archivo();
        return m_;
    }

private:
    bool Fallo(const char* por_que) {
        m_.error = QStringLiteral("%1 at byte %2").arg(QLatin1String(por_que)).arg(pos_);
        return false;
    }

    bool Archivo() {
        if (!Hay(14) || d_.left(4) != "MThd") return Fallo("no MThd header");
        pos_ = 4;
        if (Entero(4) != 6) return Fallo("header length is not 6");
        m_.formato = int(Entero(2));
        const int pistas = int(Entero(2));
        m_.division = int(Entero(2));
        if (m_.division == 0 || (m_.division & 0x8000)) return Fallo("unsupported division");
        for (int t = 0; t < pistas; ++t)
            if (!Pista()) return false;
        if (pos_ != d_.size()) return Fallo("bytes after the last track");
        return true;
    }
    bool Hay(int n) const { return pos_ + n <= limite_; }
    quint32 Entero(int n) {
        quint32 v = 0;
        while (n--)
            v = v << 8 | quint8(d_[pos_++]);
        return v;
    }
    bool Variable(quint32& v) {
        v = 0;
        for (int i = 0; i < 4 && Hay(1); ++i) {
            const quint8 b = quint8(d_[pos_++]);
            v = v << 7 | (b & 0x7f);
            if (!(b & 0x80)) return true;
        }
        return false;
    }

    bool Pista() {
        if (!Hay(8) || d_.mid(pos_, 4) != "MTrk") return Fallo("no MTrk chunk");
        pos_ += 4;
        const int largo = int(Entero(4));
        if (!Hay(largo)) return Fallo("track longer than the file");
        limite_ = pos_ + largo;
        qint64 tick = 0;
        quint8 estado = 0;
        bool terminada = false;
        QMap<QPair<int, int>, QList<qint64>> sonando;
        while (pos_ < limite_) {
            if (terminada) return Fallo("events after End-of-Track");
            quint32 delta = 0;
            if (!Variable(delta) || !Hay(1)) return Fallo("bad delta time");
            tick += delta;
            const quint8 b = quint8(d_[pos_]);
            if (b == 0xff || b == 0xf0 || b == 0xf7) {
                ++pos_;
                const int tipo = b == 0xff && Hay(1) ? int(Entero(1)) : -1;
                quint32 n = 0;
                if (!Variable(n) || !Hay(int(n))) return Fallo("bad meta or sysex");
                if (tipo == 0x51) {
                    if (n != 3) return Fallo("tempo is not 3 bytes");
                    m_.tempos[tick] = int(Entero(3));
                } else {
                    pos_ += int(n);
                }
                if (tipo == 0x2f) {
                    terminada = true;
                    m_.fin = std::max(m_.fin, tick);
                }
                estado = 0;
                continue;
            }
            if (b & 0x80) {
                estado = b;
                ++pos_;
            } else if (!estado) {
                return Fallo("data byte without a status");
            }
            const int tipo = estado & 0xf0, canal = estado & 0x0f;
            const int n = tipo == 0xc0 || tipo == 0xd0 ? 1 : 2;
            if (!Hay(n)) return Fallo("message cut short");
            const int d1 = int(Entero(1)), d2 = n == 2 ? int(Entero(1)) : 0;
            if ((d1 | d2) & 0x80) return Fallo("status byte inside a message");
            if (tipo == 0x90 && d2 > 0) {
                sonando[{canal, d1}] << tick;
            } else if (tipo == 0x80 || tipo == 0x90) {
                auto& abiertas = sonando[{canal, d1}];
                if (abiertas.isEmpty()) return Fallo("note-off without note-on");
                m_.notas << NotaMidi{canal, d1, abiertas.takeFirst(), tick};
            } else if (tipo == 0xc0) {
                m_.con_programa.insert(canal);
            }
        }
        if (!terminada) return Fallo("track without End-of-Track");
        for (const auto& abiertas : std::as_const(sonando))
            if (!abiertas.isEmpty()) return Fallo("a note is never released");
        limite_ = int(d_.size());
        return true;
    }

    const QByteArray& d_;
    int pos_ = 0;
    int limite_;
    Midi m_;
};

// A small Standard MIDI File at 96 ticks per quarter from hex track bodies.
QByteArray Smf(int formato, const QList<QByteArray>& pistas) {
    QByteArray b = QByteArray::fromHex("4d54686400000006");
    b += char(0);
    b += char(formato);
    b += char(0);
    b += char(pistas.size());
    b += QByteArray::fromHex("0060");
    for (const QByteArray& hex : pistas) {
        const QByteArray cuerpo = QByteArray::fromHex(hex);
        b += "MTrk";
        char largo[4];
        qToBigEndian<quint32>(quint32(cuerpo.size()), largo);
        b += QByteArray(largo, 4);
        b += cuerpo;
    }
    return b;
}

struct BorrarAjustes {
    void operator()(fluid_settings_t* a) const { delete_fluid_settings(a); }
};
struct BorrarSinte {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct BorrarReproductor {
    void operator()(fluid_player_t* r) const { delete_fluid_player(r); }
};
struct BorrarGrabador {
    void operator()(fluid_file_renderer_t* g) const { delete_fluid_file_renderer(g); }
};

} // namespace

class TestDatos : public QObject {
    Q_OBJECT
    QTemporaryDir uno_, dos_;

    QString Ruta(const QString& nombre) const { return uno_.filePath(nombre); }

private slots:
    void initTestCase() {
        QVERIFY(uno_.isValid() && dos_.isValid());
        QByteArray errores;
        QCOMPARE(Generar({uno_.path()}, &errores), 0);
        QVERIFY2(errores.isEmpty(), errores.constData());
        QCOMPARE(Generar({dos_.path()}), 0);
    }

    void mismos_archivos_y_bytes_cada_vez() {
        QCOMPARE(Listar(uno_.path()), kArchivos);
        QCOMPARE(Listar(dos_.path()), kArchivos);
        for (const QString& nombre : kArchivos) {
            QFile a(uno_.filePath(nombre)), b(dos_.filePath(nombre));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(nombre));
        }
    }

    void argumentos_malos_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("codigo");
        QTest::newRow("no folder") << QStringList() << 2;
        QTest::newRow("two folders") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2;
        QTest::newRow("folder inside a file") << QStringList{QStringLiteral("@/dentro")} << 1;
    }
    void argumentos_malos() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, codigo);
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("archivo"));
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        argumentos.replaceInStrings(QStringLiteral("@"), archivo);
        QByteArray errores;
        QCOMPARE(Generar(argumentos, &errores), codigo);
        QVERIFY(!errores.isEmpty());
    }

    void dibujos_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<int>("claridad_minima"); // so black text stays readable; -1: any
        QTest::addColumn<int>("colores_minimos");
        QTest::addColumn<bool>("mosaico");
        QTest::newRow("wallpaper") << "fondo.bmp" << QSize(96, 96) << 200 << 8 << true;
        QTest::newRow("notebook paper") << "fondo2.bmp" << QSize(320, 255) << 215 << 2 << false;
        // Twice the pixels for 200 %, and still a seamless tile.
        QTest::newRow("wallpaper 2x") << "fondo@2x.bmp" << QSize(192, 192) << 200 << 8 << true;
        QTest::newRow("notebook paper 2x")
            << "fondo2@2x.bmp" << QSize(640, 510) << 215 << 2 << false;
        QTest::newRow("success picture") << "acierto.bmp" << QSize(306, 266) << -1 << 1000 << false;
        QTest::newRow("success picture 2x")
            << "acierto@2x.bmp" << QSize(612, 532) << -1 << 1000 << false;
    }
    void dibujos() {
        QFETCH(QString, nombre);
        QFETCH(QSize, tamano);
        QFETCH(int, claridad_minima);
        QFETCH(int, colores_minimos);
        QFETCH(bool, mosaico);
        const QImage img = LeerBmp(Ruta(nombre));
        QVERIFY(!img.isNull());
        QCOMPARE(img.size(), tamano);
        QVERIFY2(Colores(img) >= colores_minimos, qPrintable(QString::number(Colores(img))));
        int oscuro = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                oscuro = std::min(oscuro, Claridad(img, x, y));
        QVERIFY2(oscuro >= claridad_minima, qPrintable(QString::number(oscuro)));
        if (mosaico) {
            ComprobarCosturaVertical(img, "left-right");
            ComprobarCosturaVertical(img.transformed(QTransform().rotate(90)), "top-bottom");
        }
    }

    // Tiled over the screen and shown big in the middle: each one different.
    void caras() {
        QList<QImage> caras;
        for (int n = 1; n <= 8; ++n) {
            const QString nombre = QStringLiteral("caras/cara%1.bmp").arg(n);
            const QImage img = LeerBmp(Ruta(nombre));
            QVERIFY2(!img.isNull(), qPrintable(nombre));
            QVERIFY2(img.width() >= 90 && img.width() <= 120 && img.height() >= 70 &&
                         img.height() <= 100,
                     qPrintable(nombre));
            QVERIFY2(Colores(img) >= 300, qPrintable(nombre)); // shaded, not flat
            caras << img;
        }
        for (int i = 0; i < caras.size(); ++i)
            for (int j = i + 1; j < caras.size(); ++j) {
                const QImage a = caras[i], b = caras[j].scaled(a.size());
                int distintos = 0;
                for (int y = 0; y < a.height(); ++y)
                    for (int x = 0; x < a.width(); ++x)
                        distintos += std::abs(Claridad(a, x, y) - Claridad(b, x, y)) > 24 ||
                                     std::abs(QColor(a.pixel(x, y)).hue() -
                                              QColor(b.pixel(x, y)).hue()) > 20;
                QVERIFY2(distintos * 5 > a.width() * a.height(),
                         qPrintable(QStringLiteral("faces %1 and %2").arg(i + 1).arg(j + 1)));
            }
    }

    void animaciones_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<int>("cuadros_min");
        QTest::addColumn<int>("cuadros_max");
        QTest::addColumn<int>("ms_min");
        QTest::addColumn<int>("ms_max");
        QTest::newRow("star") << "animacion1.gif" << QSize(116, 116) << 8 << 16 << 900 << 1600;
        QTest::newRow("fireworks")
            << "animacion2.gif" << QSize(236, 180) << 10 << 20 << 900 << 2000;
        QTest::newRow("light bulb") << "cmental.gif" << QSize(120, 120) << 8 << 12 << 900 << 2000;
        // Twice the pixels for 200 %, the same frames and timing.
        QTest::newRow("star 2x") << "animacion1@2x.gif" << QSize(232, 232) << 8 << 16 << 900
                                 << 1600;
        QTest::newRow("fireworks 2x")
            << "animacion2@2x.gif" << QSize(472, 360) << 10 << 20 << 900 << 2000;
        QTest::newRow("light bulb 2x")
            << "cmental@2x.gif" << QSize(240, 240) << 8 << 12 << 900 << 2000;
    }
    void animaciones() {
        QFETCH(QString, nombre);
        QFETCH(QSize, tamano);
        QFETCH(int, cuadros_min);
        QFETCH(int, cuadros_max);
        QFETCH(int, ms_min);
        QFETCH(int, ms_max);
        QMovie pelicula(Ruta(nombre));
        QVERIFY(pelicula.isValid());
        QCOMPARE(pelicula.format(), QByteArray("gif"));
        QCOMPARE(pelicula.loopCount(), -1); // the NETSCAPE loop block: for ever
        const int cuadros = pelicula.frameCount();
        QVERIFY2(cuadros >= cuadros_min && cuadros <= cuadros_max,
                 qPrintable(QString::number(cuadros)));
        QImage anterior;
        int total = 0, opacos_antes = 0;
        bool algo_se_va = false;
        for (int i = 0; i < cuadros; ++i) {
            QVERIFY(pelicula.jumpToFrame(i));
            const QImage cuadro = pelicula.currentImage();
            QVERIFY2(!cuadro.isNull(), qPrintable(QString::number(i)));
            QCOMPARE(cuadro.size(), tamano);
            // Plays over the wallpaper: the corner lets it through, yet there
            // is always something to see.
            QCOMPARE(qAlpha(cuadro.pixel(0, 0)), 0);
            int opacos = 0;
            for (int y = 0; y < cuadro.height(); ++y)
                for (int x = 0; x < cuadro.width(); ++x)
                    opacos += qAlpha(cuadro.pixel(x, y)) == 255;
            QVERIFY2(opacos > 20, qPrintable(QString::number(i)));
            algo_se_va = algo_se_va || (i > 0 && opacos < opacos_antes);
            opacos_antes = opacos;
            QVERIFY2(cuadro != anterior, qPrintable(QString::number(i)));
            anterior = cuadro;
            QVERIFY(pelicula.nextFrameDelay() > 0);
            total += pelicula.nextFrameDelay();
        }
        QVERIFY2(total >= ms_min && total <= ms_max, qPrintable(QString::number(total)));
        // Each frame replaces the last instead of piling up on it.
        QVERIFY(algo_se_va);
    }

    // Each "@2x" picture is its ordinary one with twice the pixels: halved,
    // it matches the ordinary one, frame by frame for the animations, so a
    // scaled screen shows the same picture, only sharper.
    void dobles_data() {
        QTest::addColumn<QString>("nombre");
        for (const char* nombre : {"fondo.bmp", "fondo2.bmp", "acierto.bmp", "animacion1.gif",
                                   "animacion2.gif", "cmental.gif"})
            QTest::newRow(nombre) << QString::fromLatin1(nombre);
        for (int n = 1; n <= 8; ++n) {
            const QString cara = QStringLiteral("caras/cara%1.bmp").arg(n);
            QTest::newRow(qPrintable(cara)) << cara;
        }
    }
    void dobles() {
        QFETCH(QString, nombre);
        const int punto = nombre.lastIndexOf(QLatin1Char('.'));
        QImageReader uno(Ruta(nombre));
        QImageReader dos(Ruta(nombre.left(punto) + QStringLiteral("@2x") + nombre.mid(punto)));
        QCOMPARE(dos.imageCount(), uno.imageCount());
        for (int cuadro = 0; uno.canRead(); ++cuadro) {
            const QImage a = uno.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage b = dos.read();
            QVERIFY2(!a.isNull() && !b.isNull(), qPrintable(QString::number(cuadro)));
            QCOMPARE(b.size(), a.size() * 2);
            const QImage mitad = b.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            // Antialiased edges and one-bit transparency differ a little
            // along outlines; a shifted or wrongly scaled drawing differs
            // everywhere.
            qint64 suma = 0;
            int lejos = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = mitad.pixel(x, y);
                    const int d =
                        std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
                    suma += d;
                    lejos += d > 96;
                }
            const double media = double(suma) / (a.width() * a.height());
            const double parte_lejos = double(lejos) / (a.width() * a.height());
            QVERIFY2(media < 8.0 && parte_lejos < 0.05,
                     qPrintable(QStringLiteral("frame %1: mean %2, far %3")
                                    .arg(cuadro)
                                    .arg(media)
                                    .arg(parte_lejos)));
        }
    }

    void lector_midi_data() {
        QTest::addColumn<QByteArray>("smf");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("notas");
        QTest::addColumn<double>("segundos");
        QTest::newRow("running status, velocity 0 ends the note")
            << Smf(0, {"00903c64603c00003e64603e0000ff2f00"}) << true << 2 << 1.0;
        QTest::newRow("tempo halves halfway")
            << Smf(0, {"00ff510307a12000903c6460ff510303d09060803c4000ff2f00"}) << true << 1
            << 0.75;
        QTest::newRow("two-byte delta")
            << Smf(0, {"00903c6481003c0000ff2f00"}) << true << 1 << 128 / 96.0 * 0.5;
        QTest::newRow("tempo from the first of two tracks")
            << Smf(1, {"00ff51030f424000ff2f00", "00903c64603c0000ff2f00"}) << true << 1 << 1.0;
        QTest::newRow("running status after a meta event")
            << Smf(0, {"00903c6400ff010141603c0000ff2f00"}) << false << 0 << 0.0;
        QTest::newRow("note never released") << Smf(0, {"00903c6460ff2f00"}) << false << 0 << 0.0;
        QTest::newRow("no End-of-Track") << Smf(0, {"00903c64603c00"}) << false << 0 << 0.0;
        QTest::newRow("track longer than file")
            << Smf(0, {"00903c64603c0000ff2f00"}).chopped(2) << false << 0 << 0.0;
    }
    void lector_midi() {
        QFETCH(QByteArray, smf);
        QFETCH(bool, valido);
        QFETCH(int, notas);
        QFETCH(double, segundos);
        const Midi m = LectorMidi(smf).Leer();
        QCOMPARE(m.error.isEmpty(), valido);
        if (!valido) return;
        QCOMPARE(m.notas.size(), notas);
        QVERIFY2(std::fabs(m.Segundos(m.fin) - segundos) < 1e-9,
                 qPrintable(QString::number(m.Segundos(m.fin))));
    }

    void musica_de_acierto() {
        QFile f(Ruta(QStringLiteral("acierto.mid")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Midi m = LectorMidi(f.readAll()).Leer();
        QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
        QVERIFY(m.formato == 0 || m.formato == 1);
        QVERIFY(!m.tempos.isEmpty());
        const double dura = m.Segundos(m.fin);
        QVERIFY2(dura >= 5.0 && dura <= 10.0, qPrintable(QString::number(dura)));

        // It starts at once, and every note ends before the tune does.
        QSet<int> canales;
        qint64 primera = m.fin;
        for (const NotaMidi& n : m.notas) {
            primera = std::min(primera, n.desde);
            QVERIFY(n.hasta > n.desde && n.hasta <= m.fin);
            if (n.canal == 9) continue;
            canales.insert(n.canal);
            // In C major: no note outside the scale.
            QVERIFY2(QList<int>({0, 2, 4, 5, 7, 9, 11}).contains(n.tono % 12),
                     qPrintable(QString::number(n.tono)));
        }
        QVERIFY(m.Segundos(primera) < 0.1);
        // A melody with accompaniment, each part with its own instrument.
        QVERIFY2(canales.size() >= 2, qPrintable(QString::number(canales.size())));
        for (int c : canales)
            QVERIFY2(m.con_programa.contains(c), qPrintable(QString::number(c)));
    }

    // Rendered offline by FluidSynth with the game's soundfont: it is heard
    // for 5 to 10 seconds with no silent second on the way. The player only
    // finishes once every voice has died away, so the render runs longer.
    void musica_suena() {
        for (int nivel = FLUID_PANIC; nivel < LAST_LOG_LEVEL; ++nivel)
            fluid_set_log_function(nivel, nullptr, nullptr);
        QVERIFY2(QFile::exists(QStringLiteral(ZIFRA_SOUNDFONT)), ZIFRA_SOUNDFONT);
        QTemporaryDir dir;
        const QByteArray salida = QFile::encodeName(dir.filePath(QStringLiteral("acierto.raw")));

        std::unique_ptr<fluid_settings_t, BorrarAjustes> ajustes(new_fluid_settings());
        QVERIFY(ajustes);
        // Raw 16-bit stereo needs no sound-file library to be read back.
        QCOMPARE(fluid_settings_setstr(ajustes.get(), "audio.file.name", salida.constData()),
                 FLUID_OK);
        QCOMPARE(fluid_settings_setstr(ajustes.get(), "audio.file.type", "raw"), FLUID_OK);
        QCOMPARE(fluid_settings_setstr(ajustes.get(), "audio.file.format", "s16"), FLUID_OK);
        QCOMPARE(fluid_settings_setstr(ajustes.get(), "player.timing-source", "sample"), FLUID_OK);
        QCOMPARE(fluid_settings_setint(ajustes.get(), "synth.lock-memory", 0), FLUID_OK);
        double frecuencia = 0;
        int periodo = 0;
        QCOMPARE(fluid_settings_getnum(ajustes.get(), "synth.sample-rate", &frecuencia), FLUID_OK);
        QCOMPARE(fluid_settings_getint(ajustes.get(), "audio.period-size", &periodo), FLUID_OK);
        QVERIFY(frecuencia > 0 && periodo > 0);

        double segundos = 0;
        {
            std::unique_ptr<fluid_synth_t, BorrarSinte> sinte(new_fluid_synth(ajustes.get()));
            QVERIFY(sinte);
            QVERIFY(fluid_synth_sfload(sinte.get(), ZIFRA_SOUNDFONT, 1) != FLUID_FAILED);
            std::unique_ptr<fluid_player_t, BorrarReproductor> reproductor(
                new_fluid_player(sinte.get()));
            QVERIFY(reproductor);
            const QByteArray midi = QFile::encodeName(Ruta(QStringLiteral("acierto.mid")));
            QCOMPARE(fluid_player_add(reproductor.get(), midi.constData()), FLUID_OK);
            QCOMPARE(fluid_player_play(reproductor.get()), FLUID_OK);
            std::unique_ptr<fluid_file_renderer_t, BorrarGrabador> grabador(
                new_fluid_file_renderer(sinte.get()));
            QVERIFY(grabador);
            const long limite = long(20 * frecuencia / periodo);
            long bloques = 0;
            while (fluid_player_get_status(reproductor.get()) == FLUID_PLAYER_PLAYING &&
                   bloques < limite) {
                QCOMPARE(fluid_file_renderer_process_block(grabador.get()), FLUID_OK);
                ++bloques;
            }
            QCOMPARE(fluid_player_get_status(reproductor.get()), FLUID_PLAYER_DONE);
            segundos = double(bloques) * periodo / frecuencia;
        } // the renderer closes the file here
        QVERIFY2(segundos < 20.0, qPrintable(QString::number(segundos)));

        QFile f(QFile::decodeName(salida));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray audio = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(audio.constData());
        const qsizetype muestras = audio.size() / qsizetype(sizeof(qint16));
        QCOMPARE(double(muestras), std::round(segundos * frecuencia) * 2); // stereo
        // Loudness of each twentieth of a second, as RMS of 16-bit samples.
        const qsizetype ventana = qsizetype(frecuencia / 20) * 2;
        QList<double> niveles;
        for (qsizetype desde = 0; desde + ventana <= muestras; desde += ventana) {
            double energia = 0;
            for (qsizetype i = desde; i < desde + ventana; ++i)
                energia += double(s[i]) * s[i];
            niveles << std::sqrt(energia / double(ventana));
        }
        constexpr double kAudible = 100; // about -50 dBFS
        qsizetype ultima = niveles.size();
        while (ultima > 0 && niveles[ultima - 1] <= kAudible)
            --ultima;
        const double oida = ultima / 20.0;
        QVERIFY2(oida >= 5.0 && oida <= 10.0, qPrintable(QString::number(oida)));
        for (qsizetype segundo = 0; segundo + 20 <= ultima; segundo += 20) {
            double energia = 0;
            for (qsizetype i = segundo; i < segundo + 20; ++i)
                energia += niveles[i] * niveles[i];
            QVERIFY2(std::sqrt(energia / 20) > kAudible,
                     qPrintable(QStringLiteral("second %1").arg(segundo / 20)));
        }
    }
};

QTEST_MAIN(TestDatos)
#include "test_datos.moc"
