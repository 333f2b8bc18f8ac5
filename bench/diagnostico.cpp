// The diagnosis of a whole school's journal: 1 000 000 steps of 30 children
// on 3 computers, drawn and judged by the game's own rules, then diagnosed 5
// times; and the same steps written into the three computers' journal files
// and read back, as the teacher's computer does. bench/medir.sh prints the
// rows in its table.
//
//   bench_diagnostico
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/diario_escritura.h"
#include "escuela.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

using escuela::kNinos;
using escuela::kPasos;
constexpr int kVueltas = 5;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::vector<PasoDiario> pasos = escuela::Escuela();
    std::vector<double> ms;
    size_t patrones = 0;
    for (int i = 0; i < kVueltas; ++i) {
        QElapsedTimer t;
        t.start();
        const std::vector<DiagnosticoJugador> d = Diagnosticar(pasos);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        patrones = 0;
        for (const DiagnosticoJugador& j : d)
            patrones += j.patrones.size();
    }
    std::sort(ms.begin(), ms.end());
    const double mediana = ms[ms.size() / 2];
    std::printf("| Diario | diagnóstico de %zu pasos de %d niños (%zu patrones), mediana de %d | "
                "%.1f ms (mín %.1f ms) | < 1 s | %s |\n",
                pasos.size(), kNinos, patrones, kVueltas, mediana, ms.front(),
                mediana < 1000 ? "PASS" : "FAIL");

    // Each computer's steps into its own journal, then all read back.
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (int a = 1; a <= 3; ++a) {
        const QString ordenador = QStringLiteral("aula-%1").arg(a);
        std::vector<PasoDiario> suyos;
        for (const PasoDiario& p : pasos)
            if (p.ordenador == ordenador) suyos.push_back(p);
        DiarioEscritura diario;
        if (diario.Abrir(dir.path(), ordenador, QStringLiteral("curso"), 0) !=
                DiarioEscritura::Apertura::Abierto ||
            !diario.RegistrarVarios(suyos)) {
            std::printf("| Diario | escribir el curso en los diarios | falló | - | FAIL |\n");
            return 1;
        }
        diario.Cerrar();
        bytes += QFileInfo(dir.filePath(NombreDiario(ordenador))).size();
    }
    std::vector<double> total, lectura;
    size_t leidos = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        const LecturaDiarios l = LeerDiarios({dir.path()});
        lectura.push_back(double(t.nsecsElapsed()) / 1e6);
        Diagnosticar(l.pasos);
        total.push_back(double(t.nsecsElapsed()) / 1e6);
        leidos = l.pasos.size();
    }
    std::sort(total.begin(), total.end());
    std::sort(lectura.begin(), lectura.end());
    std::printf("| Diario | leer los 3 diarios (%zu pasos) y diagnosticar, mediana de 3 | "
                "%.1f ms (lectura %.1f ms) | (informativa) | - |\n",
                leidos, total[1], lectura[1]);
    std::printf("| Diario | bytes por paso en disco, un curso en 3 diarios | %.1f (%lld bytes) | "
                "(informativa) | - |\n",
                double(bytes) / double(pasos.size()), static_cast<long long>(bytes));
    return 0;
}
