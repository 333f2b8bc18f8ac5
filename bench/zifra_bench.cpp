// The in-process half of the benchmark; bench/medir.sh runs each mode and
// gathers the rows it prints ("| grupo | medida | cifra | objetivo | ... |").
//
//   zifra_bench ventanas                 windows the game creates at start-up
//   zifra_bench arranque ZIFRA BASE N    start-up of both programs, interleaved
//   zifra_bench teclas                   judging digits and answers
//   zifra_bench hojas DIR                99 pages of each worksheet as PDF
//   zifra_bench archivos DIR             results file of 50 players, top ten
//   zifra_bench memoria                  peak resident memory
//   zifra_bench diario                   a step written to the learning journal
//
// Keystrokes go through the real windows, offscreen, the way tests/ drive
// them: a key event on the answer box, the window's own handler, the rules
// it calls, the points and the labels. Waits are instant (FijarEsperasInstantaneas),
// so the 300 ms the game waits after a right digit is left out.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/hoja_refuerzo.h"
#include "aprendizaje/registro.h"
#include "mental/ventana_mental.h"
#include "nucleo/apariencia.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "platform/sonidos.h"
#include "platform/ticks.h"
#include "results/dialogos_archivo.h"
#include "results/mejores.h"
#include "results/operaciones_resultados.h"
#include "tests/nino.h"
#include "tests/pruebas.h"
#include "worksheets/impresion_hojas.h"
#include "written/ventana_resta.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// ---------------------------------------------------------------- figures

struct Muestras {
    std::vector<double> v; // milliseconds
    void Anadir(double ms) { v.push_back(ms); }
    double Cuantil(double q) const {
        if (v.empty()) return 0;
        std::vector<double> o = v;
        std::sort(o.begin(), o.end());
        const size_t i = std::min(o.size() - 1, size_t(q * double(o.size() - 1) + 0.5));
        return o[i];
    }
    double Mediana() const { return Cuantil(0.5); }
};

QString Ms(double ms) {
    return ms < 10 ? QString::number(ms, 'f', 3) + QStringLiteral(" ms")
                   : QString::number(ms, 'f', 1) + QStringLiteral(" ms");
}

void Fila(const QString& grupo, const QString& medida, const QString& cifra,
          const QString& objetivo, const QString& resultado) {
    std::printf("| %s | %s | %s | %s | %s |\n", qPrintable(grupo), qPrintable(medida),
                qPrintable(cifra), qPrintable(objetivo), qPrintable(resultado));
    std::fflush(stdout);
}

const char* Cumple(bool si) {
    return si ? "PASS" : "FAIL";
}

// Median judged against the target; the 95th percentile is shown beside it.
void FilaTiempo(const QString& grupo, const QString& medida, const Muestras& m, double objetivo,
                const QString& texto_objetivo) {
    if (m.v.empty()) {
        Fila(grupo, medida, QStringLiteral("sin muestras"), texto_objetivo, QStringLiteral("FAIL"));
        return;
    }
    Fila(grupo, medida,
         QStringLiteral("%1 (p95 %2, n=%3)")
             .arg(Ms(m.Mediana()), Ms(m.Cuantil(0.95)))
             .arg(m.v.size()),
         texto_objetivo, QString::fromLatin1(objetivo > 0 ? Cumple(m.Mediana() < objetivo) : "-"));
}

template <typename F> double Cronometrar(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// Peak and current resident memory in KiB, from the kernel's own count.
long MemoriaKiB(const char* clave) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& linea : f.readAll().split('\n'))
        if (linea.startsWith(clave))
            return linea.mid(int(std::strlen(clave))).trimmed().split(' ').value(0).toLong();
    return -1;
}

QString Mb(long kib) {
    return QString::number(double(kib) * 1024.0 / 1e6, 'f', 1) + QStringLiteral(" MB");
}

// Offscreen unless the caller chose a platform (medir.sh gives memoria the X display).
void SinPantalla() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// ---------------------------------------------------------------- windows

// Top-level windows after start-up, the main one aside; menus are popups
// of their menu bars and are not counted.
int Ventanas(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    Buzon buzon;
    buzon.Instalar();
    CrearVentanas();
    int ventanas = 0, menus = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == Form_menu) continue;
        if (qobject_cast<QMenu*>(w))
            ++menus;
        else
            ++ventanas;
    }
    std::printf("%d\n", ventanas);
    std::fprintf(stderr, "ventanas ocultas: %d, menús: %d\n", ventanas, menus);
    delete Form_menu;
    buzon.Quitar();
    return 0;
}

// ---------------------------------------------------------------- start-up

struct Proceso {
    double ms = 0;
    double cpu_ms = 0; // user and system time of the process
    long pico_kib = 0;
    bool bien = false;
};

// From just before the process is spawned until it has exited: both programs
// end at the first paint of their main window, so this is their start-up
// plus their exit.
Proceso Lanzar(const std::vector<std::string>& orden) {
    std::vector<char*> args;
    for (const std::string& a : orden)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    Proceso p;
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &acciones, nullptr, args.data(), environ) == 0) {
        int estado = 0;
        rusage uso{};
        if (wait4(pid, &estado, 0, &uso) == pid) {
            p.ms = double(t.nsecsElapsed()) / 1e6;
            p.pico_kib = uso.ru_maxrss;
            p.cpu_ms = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 +
                       (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
            p.bien = WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&acciones);
    return p;
}

int Arranque(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("uso: zifra_bench arranque ZIFRA BASE_QT VENTANAS [RUNS] [WARMUP]\n", stderr);
        return 2;
    }
    const std::vector<std::string> juego_orden{argv[2]};
    const std::vector<std::string> base_orden{argv[3], argv[4]};
    const int runs = argc > 5 ? std::atoi(argv[5]) : 20;
    const int previas = argc > 6 ? std::atoi(argv[6]) : 3;
    qputenv("ZIFRA_SALIR_AL_MOSTRAR", "1");
    Muestras juego_ms, base_ms, pico, juego_cpu, base_cpu;
    // Interleaved, A B B A, so a change in the machine's load falls on both.
    for (int i = 0; i < previas + runs; ++i) {
        Proceso pj, pb;
        if (i % 2 == 0) {
            pj = Lanzar(juego_orden);
            pb = Lanzar(base_orden);
        } else {
            pb = Lanzar(base_orden);
            pj = Lanzar(juego_orden);
        }
        if (!pj.bien || !pb.bien) {
            std::fprintf(stderr, "arranque: %s terminó mal\n", !pj.bien ? argv[2] : argv[3]);
            return 1;
        }
        if (i < previas) continue;
        juego_ms.Anadir(pj.ms);
        base_ms.Anadir(pb.ms);
        juego_cpu.Anadir(pj.cpu_ms);
        base_cpu.Anadir(pb.cpu_ms);
        pico.Anadir(double(pj.pico_kib));
    }
    const double razon = juego_ms.Mediana() / base_ms.Mediana();
    const QString n = QString::number(runs);
    Fila(QStringLiteral("Arranque"), QStringLiteral("zifra, mediana de %1").arg(n),
         QStringLiteral("%1 (mín %2)").arg(Ms(juego_ms.Mediana()), Ms(juego_ms.Cuantil(0))),
         QStringLiteral("-"), QStringLiteral("-"));
    Fila(QStringLiteral("Arranque"),
         QStringLiteral("base Qt (%1 ventanas ocultas), mediana de %2")
             .arg(QString::fromLatin1(argv[4]), n),
         QStringLiteral("%1 (mín %2)").arg(Ms(base_ms.Mediana()), Ms(base_ms.Cuantil(0))),
         QStringLiteral("-"), QStringLiteral("-"));
    Fila(QStringLiteral("Arranque"), QStringLiteral("zifra / base"),
         QString::number(razon, 'f', 2) + QStringLiteral("×"), QStringLiteral("≤ 1.3×"),
         QString::fromLatin1(Cumple(razon <= 1.3)));
    // CPU time says less about what the child waits for, but the load of
    // other processes moves it less than the clock.
    Fila(QStringLiteral("Arranque"), QStringLiteral("tiempo de CPU, zifra / base (medianas)"),
         QStringLiteral("%1 / %2 = %3×")
             .arg(Ms(juego_cpu.Mediana()), Ms(base_cpu.Mediana()))
             .arg(juego_cpu.Mediana() / base_cpu.Mediana(), 0, 'f', 2),
         QStringLiteral("(informativa)"), QStringLiteral("-"));
    Fila(QStringLiteral("Memoria"),
         QStringLiteral("pico residente de zifra hasta el primer pintado"),
         Mb(long(pico.Mediana())), QStringLiteral("< 60 MB"),
         QString::fromLatin1(Cumple(double(long(pico.Mediana())) * 1024.0 / 1e6 < 60)));
    return 0;
}

// ---------------------------------------------------------------- playing

// Counts the operations celebrated: a finished operation plays this sound.
int g_celebradas = 0;

struct Teclado {
    Muestras acierto, fallo, fin;
    bool medir = true;

    // One key into a box; timed, and filed by what it did.
    void Tecla(QLineEdit* caja, int cifra, Muestras* donde) {
        const int antes = g_celebradas;
        const double ms = Cronometrar([&] { QTest::keyClick(caja, char('0' + cifra)); });
        if (medir) (g_celebradas != antes ? fin : *donde).Anadir(ms);
    }
};

// Column by column, as a child who knows the answers; with `fallo` one
// wrong digit first in the units.
void ResolverColumnas(VentanaColumnas* v, Teclado& k, bool fallo) {
    nino::ResolverColumnas(v, fallo, [&k](QLineEdit* caja, int cifra, bool bien) {
        k.Tecla(caja, cifra, bien ? &k.acierto : &k.fallo);
    });
}

// The windows that borrow know each column's digit; where the marks are
// drawn by hand, "Me llevo..." is pressed first, as the child must.
void ResolverResta(VentanaResta* v, Teclado& k, bool fallo) {
    const int n = v->Def().columnas;
    for (int c = 0; c < n; ++c) {
        if (v->Resta().LlevaAhora() && v->Color95Button_ayuda->isVisible())
            QTest::mouseClick(v->Color95Button_ayuda, Qt::LeftButton);
        const int r = v->Resta().Resultado(c);
        if (fallo && c == 0) k.Tecla(v->Memo_res, (r + 1) % 10, &k.fallo);
        k.Tecla(v->Memo_res, r, &k.acierto);
    }
}

// Typing the number is not judged; pressing the button is.
void ResolverMental(VentanaMental* v, Teclado& k, bool fallo) {
    auto responder = [&](int n, Muestras* donde) {
        QTest::keyClicks(v->Memo_res, QString::number(n));
        const double ms =
            Cronometrar([&] { QTest::mouseClick(v->Color95Button1, Qt::LeftButton); });
        if (k.medir) donde->Anadir(ms);
    };
    if (fallo) responder(v->valor_correcto + 1, &k.fallo);
    responder(v->valor_correcto, &k.acierto);
}

// Solves whatever the current exercise window shows.
bool ResolverActual(Teclado& k, bool fallo) {
    QWidget* w = VentanaDeCodigo(juego.ventana_actual);
    if (auto* r = qobject_cast<VentanaResta*>(w))
        ResolverResta(r, k, fallo);
    else if (auto* c = qobject_cast<VentanaColumnas*>(w))
        ResolverColumnas(c, k, fallo);
    else if (auto* m = qobject_cast<VentanaMental*>(w))
        ResolverMental(m, k, fallo);
    else
        return false;
    return true;
}

void EscucharCelebraciones() {
    plataforma::FijarObservadorSonidos([](plataforma::Sonido s) {
        if (s == plataforma::Sonido::Acierto) ++g_celebradas;
    });
}

int Teclas(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Buzon buzon;
    buzon.Instalar();
    CrearVentanas();
    JugadoresDePrueba(1);
    EscucharCelebraciones();
    constexpr int kCuentas = 200;
    struct {
        int32_t codigo;
        const char* nombre;
    } const ventanas[] = {{33, "sumas3b"}, {30, "restas3"}, {330, "restas3b"}, {44, "sumas4b"},
                          {5, "sumas5"},   {55, "sumas5b"}, {440, "restas4b"}, {50, "restas5"},
                          {6, "cmental1"}, {60, "cmental2"}};
    for (const auto& def : ventanas) {
        Teclado k;
        QWidget* v = VentanaDeCodigo(def.codigo);
        const bool mental = qobject_cast<VentanaMental*>(v) != nullptr;
        for (int i = 0; i < kCuentas + 5; ++i) {
            // The first few warm the window up: fonts, pictures, sounds.
            k.medir = i >= 5;
            CerrarVentanaActual();
            MostrarVentana(def.codigo);
            QCoreApplication::processEvents();
            ResolverActual(k, true);
            QCoreApplication::processEvents();
        }
        const QString nombre = QString::fromLatin1(def.nombre);
        if (mental) {
            FilaTiempo(QStringLiteral("Tecla"), nombre + QStringLiteral(": respuesta fallada"),
                       k.fallo, 1.0, QStringLiteral("< 1 ms"));
            FilaTiempo(QStringLiteral("Tecla"),
                       nombre + QStringLiteral(": respuesta acertada, con la cuenta siguiente"),
                       k.acierto, 1.0, QStringLiteral("< 1 ms"));
        } else {
            FilaTiempo(QStringLiteral("Tecla"), nombre + QStringLiteral(": cifra acertada"),
                       k.acierto, 1.0, QStringLiteral("< 1 ms"));
            FilaTiempo(QStringLiteral("Tecla"), nombre + QStringLiteral(": cifra fallada"), k.fallo,
                       1.0, QStringLiteral("< 1 ms"));
            FilaTiempo(QStringLiteral("Tecla"),
                       nombre + QStringLiteral(": última cifra, con la cuenta siguiente"), k.fin, 0,
                       QStringLiteral("(informativa)"));
        }
    }
    // The display choices recolour the answer box at each step.
    QStandardPaths::setTestModeEnabled(true);
    apariencia::FijarColoresPorPosicion(true);
    apariencia::FijarContrasteAlto(true);
    for (const auto& def : {std::pair<int32_t, const char*>{44, "sumas4b"}, {50, "restas5"}}) {
        Teclado k;
        for (int i = 0; i < kCuentas + 5; ++i) {
            k.medir = i >= 5;
            CerrarVentanaActual();
            MostrarVentana(def.first);
            QCoreApplication::processEvents();
            ResolverActual(k, true);
            QCoreApplication::processEvents();
        }
        const QString nombre = QString::fromLatin1(def.second) +
                               QStringLiteral(", colores por posición y contraste alto");
        FilaTiempo(QStringLiteral("Tecla"), nombre + QStringLiteral(": cifra acertada"), k.acierto,
                   1.0, QStringLiteral("< 1 ms"));
        FilaTiempo(QStringLiteral("Tecla"), nombre + QStringLiteral(": cifra fallada"), k.fallo,
                   1.0, QStringLiteral("< 1 ms"));
    }
    apariencia::FijarColoresPorPosicion(false);
    apariencia::FijarContrasteAlto(false);
    CerrarVentanaActual();
    delete Form_menu;
    plataforma::FijarObservadorSonidos(nullptr);
    buzon.Quitar();
    return 0;
}

// ---------------------------------------------------------------- journal

// What writing a step adds to a keystroke: the time between a listener
// connected before the journal's and one connected after it, over a game
// of every kind; and the bytes a step takes on disk.
int Diario(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Buzon buzon;
    buzon.Instalar();
    CrearVentanas();
    JugadoresDePrueba(1);
    EscucharCelebraciones();
    QElapsedTimer reloj;
    Muestras paso;
    bool medir = false;
    QObject::connect(&AnunciosJuego(), &Anuncios::Juzgado, &app, [&] { reloj.start(); });
    auto registro = std::make_unique<RegistroDiario>();
    const QString carpeta = dir.filePath(QStringLiteral("resultad"));
    if (!registro->Abrir(carpeta)) {
        Fila(QStringLiteral("Diario"), QStringLiteral("un paso escrito"),
             QStringLiteral("no se abre el diario"), QStringLiteral("< 0.5 ms"),
             QStringLiteral("FAIL"));
        return 1;
    }
    QObject::connect(&AnunciosJuego(), &Anuncios::Juzgado, &app, [&] {
        if (medir) paso.Anadir(double(reloj.nsecsElapsed()) / 1e6);
    });
    constexpr int kCuentas = 100;
    for (int32_t codigo : {33, 30, 330, 44, 5, 55, 440, 50, 6, 60}) {
        Teclado k;
        for (int i = 0; i < kCuentas + 5; ++i) {
            medir = i >= 5;
            CerrarVentanaActual();
            MostrarVentana(codigo);
            // The log is folded into the file here, between operations.
            QCoreApplication::processEvents();
            ResolverActual(k, true);
            QCoreApplication::processEvents();
        }
    }
    CerrarVentanaActual();
    Fila(QStringLiteral("Diario"),
         QStringLiteral("un paso escrito en el diario al teclear, percentil 99"),
         QStringLiteral("%1 (mediana %2, n=%3)")
             .arg(Ms(paso.Cuantil(0.99)), Ms(paso.Mediana()))
             .arg(paso.v.size()),
         QStringLiteral("< 0.5 ms"), QString::fromLatin1(Cumple(paso.Cuantil(0.99) < 0.5)));
    const QString archivo = QDir(carpeta).filePath(NombreDiario(NombreOrdenador()));
    const size_t pasos = LeerDiarios({archivo}).pasos.size();
    registro.reset(); // closing folds the log into the file
    const qint64 bytes = QFileInfo(archivo).size();
    Fila(QStringLiteral("Diario"), QStringLiteral("bytes por paso en disco"),
         QStringLiteral("%1 (%2 pasos, %3 bytes)")
             .arg(pasos ? double(bytes) / double(pasos) : 0.0, 0, 'f', 1)
             .arg(pasos)
             .arg(bytes),
         QStringLiteral("(informativa)"), QStringLiteral("-"));
    delete Form_menu;
    plataforma::FijarObservadorSonidos(nullptr);
    buzon.Quitar();
    return 0;
}

// ---------------------------------------------------------------- worksheets

int ContarPaginas(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray b = f.readAll();
    return int(b.count("/Type /Page\n") + b.count("/Type /Page\r") + b.count("/Type /Page "));
}

int Hojas(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    QDir().mkpath(dir);
    using H = hojas::HojaImpresion;
    struct {
        H hoja;
        const char* nombre;
    } const tipos[] = {{H::SumasRestasSinLlevadas, "2"},
                       {H::SumasConRestasSin, "3"},
                       {H::SumasConRestasSinDificil, "4"},
                       {H::SumasRestasConLlevadas, "13"},
                       {H::SumasRestasConDificil, "14"},
                       {H::CalculoMentalSimple, "mental-simple"},
                       {H::CalculoMentalCombinado, "mental-combinado"}};
    for (const auto& t : tipos) {
        Muestras m;
        int paginas = 0;
        const QString pdf =
            QDir(dir).filePath(QStringLiteral("hoja-%1.pdf").arg(QLatin1String(t.nombre)));
        for (int i = 0; i < 3; ++i) {
            std::srand(unsigned(100 + i));
            bool bien = false;
            // The printer is built and destroyed inside: the file is complete then.
            m.Anadir(Cronometrar([&] {
                QPrinter p(QPrinter::HighResolution);
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(pdf);
                bien = hojas::ImprimirHojaEn(t.hoja, 99, 2970, true, p);
            }));
            paginas = bien ? ContarPaginas(pdf) : -1;
        }
        const bool bien = paginas == 99;
        Fila(
            QStringLiteral("Hojas"),
            QStringLiteral("tipo %1: 99 páginas en PDF, mediana de 3").arg(QLatin1String(t.nombre)),
            QStringLiteral("%1 (%2 páginas)").arg(Ms(m.Mediana())).arg(paginas),
            QStringLiteral("< 2 s"), QString::fromLatin1(Cumple(bien && m.Mediana() < 2000)));
    }
    return 0;
}

// One hoja de refuerzo page for each of 30 children, each with a pattern
// of the table confirmed (the mental ones too): drawn and printed to PDF.
int Refuerzo(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    QDir().mkpath(dir);
    const QString pdf = QDir(dir).filePath(QStringLiteral("refuerzo.pdf"));
    constexpr int kNinos = 30;
    Muestras m;
    int paginas = 0;
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        bool bien = false;
        m.Anadir(Cronometrar([&] {
            HojaRefuerzo hoja;
            hoja.semilla = 100 + vuelta;
            hoja.fecha = QDate(2026, 3, 2);
            for (int n = 0; n < kNinos; ++n) {
                const Patron* p = &Patrones()[size_t(n) % Patrones().size()];
                for (PaginaRefuerzo& pag :
                     PaginasDeRefuerzo(QStringLiteral("Niño %1").arg(n + 1), {p}, 1, hoja.semilla))
                    hoja.paginas.push_back(std::move(pag));
            }
            QPrinter impresora(QPrinter::HighResolution);
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(pdf);
            bien = ImprimirRefuerzo(hoja, impresora);
        }));
        paginas = bien ? ContarPaginas(pdf) : -1;
    }
    Fila(QStringLiteral("Hojas"),
         QStringLiteral("refuerzo: una página por niño, 30 niños, mediana de 3"),
         QStringLiteral("%1 (%2 páginas)").arg(Ms(m.Mediana())).arg(paginas),
         QStringLiteral("< 2 s"),
         QString::fromLatin1(Cumple(paginas == kNinos && m.Mediana() < 2000)));
    return 0;
}

// ---------------------------------------------------------------- files

void LlenarJugadores(int n) {
    IniciarJuego();
    for (int k = 1; k <= n; ++k) {
        PonerNombreJugador(k, QStringLiteral("Jugador %1").arg(k, 2, 10, QLatin1Char('0')));
        ResultsRecord& r = juego.jugadores[k - 1];
        for (int t = 0; t < kTiposEjercicio; ++t) {
            r.aciertos[t] = 100 * k + t;
            r.fallos[t] = 10 * k + t;
        }
    }
    juego.num_jugadores = n;
    juego.jugador_actual = 1;
}

int Archivos(int argc, char** argv) {
    SinPantalla();
    QApplication app(argc, argv);
    // The game's layout: a start-up folder, and "resultad" beside it.
    const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    QDir(base).removeRecursively();
    QDir().mkpath(base + QStringLiteral("/juego"));
    QDir().mkpath(base + QStringLiteral("/resultad"));
    QDir::setCurrent(base + QStringLiteral("/juego"));
    Buzon buzon;
    buzon.Instalar();
    IniciarJuego(); // the start-up folder, which the results folder hangs from
    const QString carpeta = resultados::CarpetaResultados();
    const QString cincuenta = QDir(carpeta).filePath(QStringLiteral("cincuenta.rsr"));
    const QString mitad = QDir(carpeta).filePath(QStringLiteral("mitad.rsr"));
    const QString anadido = QDir(carpeta).filePath(QStringLiteral("anadido.rsr"));
    constexpr int kVeces = 101;
    Muestras guardar, anadir, leer, leer10, guardar10;
    bool bien = true;

    LlenarJugadores(25);
    bien = bien && resultados::EscribirResultados(mitad);
    LlenarJugadores(50);
    for (int i = 0; i < kVeces; ++i) {
        guardar.Anadir(
            Cronometrar([&] { bien = resultados::EscribirResultados(cincuenta) && bien; }));
    }

    LlenarJugadores(25);
    for (int i = 0; i < kVeces; ++i) {
        QFile::remove(anadido);
        QFile::copy(mitad, anadido);
        juego.ruta_dialogo = anadido;
        anadir.Anadir(Cronometrar([&] { bien = resultados::AnadirResultados() && bien; }));
    }
    bien = bien && resultados::ContarRegistros(anadido) == 50;

    // The open dialog answers once per reading; a failed read would ask again.
    bool pedido = false;
    resultados::FijarContestadorArchivo([&](const resultados::PeticionArchivo&) {
        const bool primera = !pedido;
        pedido = true;
        return primera ? cincuenta : QString();
    });
    for (int i = 0; i < kVeces; ++i) {
        pedido = false;
        leer.Anadir(
            Cronometrar([&] { bien = resultados::LeerResultadosEnTabla(nullptr) && bien; }));
    }
    resultados::FijarContestadorArchivo(nullptr);
    bien = bien && juego.num_jugadores == 50 && NombreJugador(50) == QStringLiteral("Jugador 50");

    resultados::TablaMejores tabla;
    for (int k = 1; k <= 10; ++k)
        resultados::OfrecerPuntos(tabla, QStringLiteral("Mejor %1").arg(k).toLatin1().constData(),
                                  1000 * k);
    const QString puntos = resultados::RutaPuntuaciones();
    for (int i = 0; i < kVeces; ++i) {
        guardar10.Anadir(Cronometrar([&] {
            bien = resultados::GuardarMejores(puntos, tabla) == resultados::GuardadoMejores::Bien &&
                   bien;
        }));
    }
    for (int i = 0; i < kVeces; ++i) {
        resultados::TablaMejores leida;
        leer10.Anadir(Cronometrar([&] { resultados::LeerMejores(puntos, leida); }));
        bien = bien && leida.filas[0].entrada.puntos == 10000;
    }
    bien = bien && buzon.mensajes.isEmpty();
    if (!bien) std::fputs("archivos: alguna operación falló\n", stderr);

    const QString g = QStringLiteral("Archivos");
    const QString o = QStringLiteral("< 5 ms");
    FilaTiempo(g, QStringLiteral("guardar resultados de 50 jugadores"), guardar, 5, o);
    FilaTiempo(g, QStringLiteral("añadir 25 jugadores a un archivo de 25"), anadir, 5, o);
    FilaTiempo(g, QStringLiteral("leer resultados de 50 jugadores a la tabla"), leer, 5, o);
    FilaTiempo(g, QStringLiteral("leer los 10 mejores"), leer10, 5, o);
    FilaTiempo(g, QStringLiteral("guardar los 10 mejores"), guardar10, 5, o);
    buzon.Quitar();
    return bien ? 0 : 1;
}

// ---------------------------------------------------------------- memory

// Runs the loop until the main window has been painted once.
bool EsperarPrimerPintado() {
    class Vigia : public QObject {
    public:
        QEventLoop bucle;
        bool pintada = false;

    protected:
        bool eventFilter(QObject* o, QEvent* e) override {
            if (!pintada && e->type() == QEvent::Paint && o->isWidgetType() &&
                static_cast<QWidget*>(o)->window() == Form_menu) {
                pintada = true;
                bucle.quit();
            }
            return false;
        }
    } vigia;
    qApp->installEventFilter(&vigia);
    QTimer::singleShot(20000, &vigia.bucle, &QEventLoop::quit);
    Form_menu->showMaximized();
    if (!vigia.pintada) vigia.bucle.exec();
    qApp->removeEventFilter(&vigia);
    // Let the paint finish and the first tick run: it opens the music.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return vigia.pintada;
}

int Memoria(int argc, char** argv) {
    constexpr int kCuentas = 500;
    QApplication app(argc, argv);
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    QDir::setCurrent(dir);
    Buzon buzon;
    buzon.Instalar();
    PrepararAplicacion(app);
    CrearVentanas();
    if (!EsperarPrimerPintado()) {
        std::fputs("memoria: la ventana principal no se pintó\n", stderr);
        return 1;
    }
    const long arranque = MemoriaKiB("VmHWM:");
    JugadoresDePrueba(1);
    EscucharCelebraciones();
    const char* const modos[] = {"m_sumasyrestasSin",
                                 "m_sumasCon_restasSin",
                                 "SumasCONllevadasRestasSINllevadasmsdifcil1",
                                 "m_sumasyrestasCon",
                                 "SumasyRestasCONllevadasmsdifcil2",
                                 "Clculomental1"};
    Teclado k;
    k.medir = false;
    int hechas = 0;
    for (int bloque = 0; hechas < kCuentas; ++bloque) {
        Form_menu->Accion(modos[bloque % 6])->trigger();
        for (int i = 0; i < 25 && hechas < kCuentas; ++i, ++hechas) {
            QCoreApplication::processEvents();
            if (!ResolverActual(k, hechas % 10 == 0)) {
                std::fputs("memoria: no hay ventana de ejercicio\n", stderr);
                return 1;
            }
        }
    }
    QCoreApplication::processEvents();
    const long partida = MemoriaKiB("VmHWM:");
    // With "tarjeta" (a null ALSA card from medir.sh) the tune really plays:
    // a machine with sound. This machine has none, so those rows inform.
    const bool tarjeta = argc > 3 && QByteArray(argv[3]) == "tarjeta";
    const QString musica = juego.musica_disponible
                               ? QStringLiteral("con la música abierta")
                               : QStringLiteral("sin tarjeta de sonido, sin abrir la música");
    const QString o = tarjeta ? QStringLiteral("(informativa)") : QStringLiteral("< 60 MB");
    const auto cumple = [&](long kib) {
        return tarjeta ? QStringLiteral("-")
                       : QString::fromLatin1(Cumple(double(kib) * 1024 / 1e6 < 60));
    };
    const QString donde = tarjeta ? QStringLiteral(", tarjeta nula") : QString();
    Fila(QStringLiteral("Memoria"),
         QStringLiteral("pico residente tras el arranque, %1 (zifra_bench%2)").arg(musica, donde),
         Mb(arranque), o, cumple(arranque));
    Fila(QStringLiteral("Memoria"),
         QStringLiteral("pico residente tras %1 cuentas (%2 aciertos)%3")
             .arg(kCuentas)
             .arg(juego.jugadores[0].aciertos[0] + juego.jugadores[0].aciertos[1] +
                  juego.jugadores[0].aciertos[2] + juego.jugadores[0].aciertos[3] +
                  juego.jugadores[0].aciertos[4])
             .arg(donde),
         Mb(partida), o, cumple(partida));
    juego.terminando = 1;
    CerrarVentanaActual();
    delete Form_menu;
    plataforma::FijarObservadorSonidos(nullptr);
    buzon.Quitar();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray modo = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const std::pair<const char*, std::function<int(int, char**)>> modos[] = {
        {"ventanas", Ventanas}, {"arranque", Arranque}, {"teclas", Teclas}, {"hojas", Hojas},
        {"archivos", Archivos}, {"memoria", Memoria},   {"diario", Diario}, {"refuerzo", Refuerzo}};
    for (const auto& m : modos)
        if (modo == m.first) return m.second(argc, argv);
    std::fputs("uso: zifra_bench ventanas|arranque|teclas|hojas|archivos|memoria|refuerzo ...\n",
               stderr);
    return 2;
}
