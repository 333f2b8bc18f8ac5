#include "aprendizaje/graficos.h"

#include "platform/biblioteca.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

struct Modulo {
    QWidget* (*vista)(QWidget*) = nullptr;
    void (*poner)(QWidget*, const DatosGrafico*) = nullptr;
    void (*pintar)(const DatosGrafico*, QPainter*, const QRectF*) = nullptr;
};

// Beside the program (installed, or build/zifra), or one folder up (the
// tests and benchmarks in build/).
const Modulo* CargarModulo() {
    static Modulo modulo;
    static bool intentado = false;
    if (intentado) return modulo.vista ? &modulo : nullptr;
    intentado = true;
    const QDir programa(QCoreApplication::applicationDirPath());
    for (const QString& carpeta : {programa.path(), programa.filePath(QStringLiteral(".."))}) {
        static QLibrary biblioteca;
        biblioteca.setFileName(QDir(carpeta).filePath(QStringLiteral("libzifra_graficos")));
        if (!biblioteca.load()) continue;
        Modulo m;
        if (plataforma::Resolver(biblioteca, "zifra_grafico_vista", m.vista) &&
            plataforma::Resolver(biblioteca, "zifra_grafico_poner", m.poner) &&
            plataforma::Resolver(biblioteca, "zifra_grafico_pintar", m.pintar)) {
            modulo = m;
            return &modulo;
        }
        biblioteca.unload();
    }
    return nullptr;
}

} // namespace

QWidget* CrearVistaGrafico(QWidget* padre) {
    const Modulo* m = CargarModulo();
    return m ? m->vista(padre) : nullptr;
}

void PonerGrafico(QWidget* vista, const DatosGrafico& datos) {
    const Modulo* m = CargarModulo();
    if (m && vista) m->poner(vista, &datos);
}

bool PintarGrafico(const DatosGrafico& datos, QPainter& pintor, const QRectF& donde) {
    const Modulo* m = CargarModulo();
    if (!m) return false;
    m->pintar(&datos, &pintor, &donde);
    return true;
}
