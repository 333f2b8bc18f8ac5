// The class report over a school's journal: the million steps of
// bench/escuela.h spread over 180 days, written into the three computers'
// journal files; then shown in the "Informe de la clase" window over the
// whole range (first paint done), from the steps in memory and with the
// files read first, and read back and written as a PDF of the class and
// each child.
// bench/medir.sh prints the rows in its table.
//
//   QT_QPA_PLATFORM=offscreen bench_informe_clase
#include "aprendizaje/diario.h"
#include "aprendizaje/diario_escritura.h"
#include "aprendizaje/informe_clase_impreso.h"
#include "aprendizaje/ventana_informe_clase.h"
#include "escuela.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kDias = 180;
constexpr int kVueltas = 3;

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<PasoDiario> pasos = escuela::Escuela();
    // The same steps, their times stretched over the school days.
    const int64_t inicio = pasos.front().hora;
    const double escala = double(kDias) * 86400000.0 / double(pasos.back().hora - inicio + 1);
    for (PasoDiario& p : pasos)
        p.hora = inicio + int64_t(double(p.hora - inicio) * escala);
    const QDate primero = QDateTime::fromMSecsSinceEpoch(inicio).date();
    const QDate ultimo = QDateTime::fromMSecsSinceEpoch(pasos.back().hora).date();

    QTemporaryDir dir;
    for (int a = 1; a <= 3; ++a) {
        const QString ordenador = QStringLiteral("aula-%1").arg(a);
        std::vector<PasoDiario> suyos;
        for (const PasoDiario& p : pasos)
            if (p.ordenador == ordenador) suyos.push_back(p);
        DiarioEscritura diario;
        if (diario.Abrir(dir.path(), ordenador, QStringLiteral("curso"), 0) !=
                DiarioEscritura::Apertura::Abierto ||
            !diario.RegistrarVarios(suyos)) {
            std::printf("| Informe de la clase | escribir el curso | falló | - | FAIL |\n");
            return 1;
        }
    }

    // The window from the steps in memory, as the diagnosis is measured in
    // bench_diagnostico; then the same with the files read first, which is
    // the reading's own cost (bench_diagnostico's "leer los 3 diarios").
    std::vector<double> ventana, ventana_leida, pdf;
    int ninos = 0;
    auto mostrar = [&](LecturaDiarios lectura, QElapsedTimer& t) {
        VentanaInformeClase v(std::move(lectura), primero);
        v.Fecha_hasta->setDate(ultimo);
        v.show();
        // Shown once every pending paint is done.
        QApplication::processEvents();
        return double(t.nsecsElapsed()) / 1e6;
    };
    for (int i = 0; i < kVueltas; ++i) {
        LecturaDiarios copia;
        copia.pasos = pasos;
        copia.leidos = 3;
        QElapsedTimer t;
        t.start();
        ventana.push_back(mostrar(std::move(copia), t));
        t.restart();
        ventana_leida.push_back(mostrar(LeerDiarios({dir.path()}), t));
        t.restart();
        {
            const InformeClase informe =
                HacerInformeClase(LeerDiarios({dir.path()}).pasos, primero, ultimo);
            QPrinter impresora(QPrinter::HighResolution);
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(dir.filePath(QStringLiteral("clase.pdf")));
            ImprimirInformeClase(informe, impresora);
            ninos = int(informe.ninos.size());
        }
        pdf.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double v = Mediana(ventana), vl = Mediana(ventana_leida), p = Mediana(pdf);
    std::printf("| Informe de la clase | %zu pasos de %d niños en %d días a la ventana mostrada, "
                "mediana de %d | %.0f ms | < 1 s | %s |\n",
                pasos.size(), escuela::kNinos, kDias, kVueltas, v, v < 1000 ? "PASS" : "FAIL");
    std::printf("| Informe de la clase | lo mismo leyendo antes los 3 diarios, mediana de %d | "
                "%.0f ms | (informativa) | - |\n",
                kVueltas, vl);
    std::printf(
        "| Informe de la clase | leer los 3 diarios y escribir el PDF (la clase y %d niños), "
        "mediana de %d | %.0f ms | < 3 s | %s |\n",
        ninos, kVueltas, p, p < 3000 ? "PASS" : "FAIL");
    return 0;
}
