// Writes journal steps, one at a time, and says after each that it is
// committed; the test kills it somewhere in the middle of an operation.
//   diario_hijo CARPETA
#include "aprendizaje/diario_escritura.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    DiarioEscritura diario;
    if (diario.Abrir(QString::fromLocal8Bit(argv[1]), QStringLiteral("aula"),
                     QStringLiteral("sesion-hijo"), 0) != DiarioEscritura::Apertura::Abierto)
        return 1;
    for (int i = 0;; ++i) {
        PasoDiario d;
        d.jugador = QStringLiteral("Ana");
        d.hora = i;
        d.paso.ventana = VentanaSumas3b;
        d.paso.operacion = i / 3 + 1; // three digits to an operation
        d.paso.columna = i % 3 + 1;
        d.paso.n_operandos = 2;
        d.paso.columnas = 3;
        d.paso.operandos = {123, 456, 0, 0};
        d.paso.correcto = d.paso.tecleado = 9 - 2 * (i % 3);
        d.paso.acierto = true;
        if (!diario.Registrar(d)) return 1;
        std::printf("%d\n", i + 1);
        std::fflush(stdout);
    }
}
