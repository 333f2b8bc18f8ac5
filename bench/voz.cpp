// Speech on: how long after its window shows the first sentence starts
// playing, and what reading aloud adds to a keystroke. The sound goes to
// whatever ALSA's default device is; medir.sh gives it a null card, which
// takes the samples as fast as they come, so what is timed is the game's
// and eSpeak's share, not the card's buffer.
//   bench_voz   (prints the table rows)
#include "platform/voz.h"
#include "app/arranque.h"
#include "app/form_menu.h"
#include "mental/ventana_mental.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "platform/sonidos.h"
#include "tests/nino.h"
#include "tests/pruebas.h"
#include "voz/escucha_voz.h"
#include "written/ventana_resta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Muestras {
    std::vector<double> v; // milliseconds
    double Cuantil(double q) const {
        if (v.empty()) return 0;
        std::vector<double> o = v;
        std::sort(o.begin(), o.end());
        return o[std::min(o.size() - 1, size_t(q * double(o.size() - 1) + 0.5))];
    }
};

void Fila(const QString& medida, const Muestras& m, double objetivo, const char* texto_objetivo) {
    if (m.v.empty()) {
        std::printf("| Voz | %s | sin muestras | %s | FAIL |\n", qPrintable(medida),
                    texto_objetivo);
        return;
    }
    std::printf("| Voz | %s | %.3f ms (p95 %.3f ms, n=%zu) | %s | %s |\n", qPrintable(medida),
                m.Cuantil(0.5), m.Cuantil(0.95), m.v.size(), texto_objetivo,
                m.Cuantil(0.5) < objetivo ? "PASS" : "FAIL");
    std::fflush(stdout);
}

std::atomic<bool> g_sonando{false};

// From showing the window to the first audible samples of its sentence on
// their way to the device (eSpeak starts with a short silence); false when
// none came within two seconds (no device).
bool PrimeraFrase(int32_t codigo, Muestras& m) {
    CerrarVentanaActual();
    QCoreApplication::processEvents();
    g_sonando = false;
    QElapsedTimer t;
    t.start();
    MostrarVentana(codigo);
    while (!g_sonando && t.elapsed() < 2000)
        QThread::usleep(200);
    if (!g_sonando) return false;
    m.v.push_back(double(t.nsecsElapsed()) / 1e6);
    // Let the sentence be said before the next window cuts it off.
    QThread::msleep(50);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Buzon buzon;
    buzon.Instalar();
    CrearVentanas();
    JugadoresDePrueba(1);
    auto* escucha = new EscuchaVoz(Form_menu);
    escucha->Encender(true);
    plataforma::FijarObservadorVozSonando([](const int16_t* m, size_t n) {
        for (size_t i = 0; i < n; ++i)
            if (m[i] > 1000 || m[i] < -1000) g_sonando = true;
    });

    const int32_t ventanas[] = {VentanaSumas4b, VentanaRestas4b, VentanaSumas5, VentanaCmental1};
    // The first sentence of the run waits for eSpeak to open; it is not counted.
    if (!PrimeraFrase(VentanaSumas3b, *std::make_unique<Muestras>())) {
        std::printf("| Voz | primera frase tras mostrarse su ventana | sin dispositivo de sonido | "
                    "< 150 ms | FAIL |\n");
        return 1;
    }
    Muestras primera;
    for (int i = 0; i < 40; ++i)
        PrimeraFrase(ventanas[i % 4], primera);
    Fila(QStringLiteral("primera frase tras mostrarse su ventana"), primera, 150, "< 150 ms");
    // On a real card the silence eSpeak puts before a sentence plays out in
    // real time first; the null card swallows it at once.
    const std::vector<int16_t> frase =
        plataforma::SintetizarFrase(QStringLiteral("456 más 378. Unidades: 6 más 8."));
    const auto audible =
        std::find_if(frase.begin(), frase.end(), [](int16_t x) { return x > 1000 || x < -1000; });
    std::printf("| Voz | silencio de eSpeak antes de la frase (se suma en una tarjeta real) | "
                "%.1f ms | (informativa) | - |\n",
                double(audible - frase.begin()) * 1000.0 / plataforma::kFrecuenciaAltavoz);

    // Keys into the windows that say most, while the sentences are made.
    Muestras tecla;
    for (int i = 0; i < 100; ++i) {
        CerrarVentanaActual();
        MostrarVentana(ventanas[i % 3]);
        QCoreApplication::processEvents();
        QWidget* w = VentanaDeCodigo(juego.ventana_actual);
        auto medir = [&](QLineEdit* caja, int cifra, bool) {
            QElapsedTimer t;
            t.start();
            QTest::keyClick(caja, char('0' + cifra));
            if (i >= 5) tecla.v.push_back(double(t.nsecsElapsed()) / 1e6);
        };
        if (auto* r = qobject_cast<VentanaResta*>(w)) {
            for (int c = 0; c < r->Def().columnas; ++c) {
                if (r->Resta().LlevaAhora() && r->Color95Button_ayuda->isVisible())
                    QTest::mouseClick(r->Color95Button_ayuda, Qt::LeftButton);
                medir(r->Memo_res, r->Resta().Resultado(c), true);
            }
        } else if (auto* c = qobject_cast<VentanaColumnas*>(w)) {
            nino::ResolverColumnas(c, true, medir);
        }
        QCoreApplication::processEvents();
    }
    Fila(QStringLiteral("una tecla con la voz encendida"), tecla, 1.0, "< 1 ms");

    plataforma::FijarObservadorVozSonando(nullptr);
    CerrarVentanaActual();
    delete Form_menu;
    buzon.Quitar();
    return 0;
}
