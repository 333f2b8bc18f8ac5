#include "worksheets/impresion_hojas.h"

#include "nucleo/apariencia.h"
#include "platform/impresoras.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"
#include "worksheets/form_paginas.h"
#include "worksheets/hojas.h"
#include "worksheets/informes_hojas.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <exception>
#include <memory>

namespace hojas {

const QString kMensajeImpresora =
    QStringLiteral("Debe haber alguna impresora instalada en Windows, para poder usar esta opción");

namespace {
QPointer<QAction> g_menu;

struct Comando {
    int tipo;
    const char* muestra;
    const char* archivo; // offered when there is no print queue
};
const Comando kComandos[7] = {
    {kSinLlevadas, "\n  436   \n+ 253   \n¯¯¯¯¯   \n\n\n   57   \n - 24   \n ¯¯¯¯   \n",
     "sumas y restas sin llevadas.pdf"},
    {kConLlevadas, "\n  486   \n+ 254   \n¯¯¯¯¯   \n\n\n  576   \n- 243   \n¯¯¯¯¯   \n",
     "sumas con llevadas, restas sin llevadas.pdf"},
    {kConLlevadasTresFilas,
     "  128   \n  436   \n+ 253   \n¯¯¯¯¯   \n\n\n  578   \n- 243   \n¯¯¯¯¯   \n",
     "sumas con llevadas, restas sin llevadas, más difícil.pdf"},
    {kConPrestamo, "  235   \n  436   \n+ 253   \n¯¯¯¯¯   \n\n\n  543   \n- 276   \n¯¯¯¯¯   \n",
     "sumas y restas con llevadas.pdf"},
    {kConPrestamoDificil,
     "   201   \n   235   \n   436   \n + 253   \n ¯¯¯¯¯   \n\n  5468   \n- 2735   \n¯¯¯¯¯¯   \n",
     "sumas y restas con llevadas, más difícil.pdf"},
    {0, "\n  6 + ... = 13  \n\n  ... + 7 = 13  \n\n  ... - 2 = 3   \n\n  5 - ... = 3   \n\n",
     "cálculo mental simple.pdf"},
    {0,
     "\n  (6+8)-..=10   \n  (6+..)-4=10   \n  (9-..)+8=12   \n (6+8)-4=....   \n  "
     "(9-5)+..=12   \n (9-5)+8=....   \n\n",
     "cálculo mental combinado.pdf"},
};

std::unique_ptr<InformeHoja> CrearInforme(HojaImpresion hoja, QWidget* dueno) {
    switch (hoja) {
    case HojaImpresion::SumasRestasSinLlevadas:
    case HojaImpresion::SumasConRestasSin:
    case HojaImpresion::SumasConRestasSinDificil:
        return std::make_unique<TForm_informe_1>(tipo_hoja, dueno);
    case HojaImpresion::SumasRestasConLlevadas:
    case HojaImpresion::SumasRestasConDificil:
        return std::make_unique<TForm_informe_2>(tipo_hoja, dueno);
    case HojaImpresion::CalculoMentalSimple:
        return std::make_unique<TForm_informe_3>(dueno);
    case HojaImpresion::CalculoMentalCombinado:
        return std::make_unique<TForm_informe_4>(dueno);
    }
    return nullptr;
}
} // namespace

QString MuestraDe(HojaImpresion hoja) {
    return QString::fromUtf8(kComandos[int(hoja)].muestra);
}

int TipoDe(HojaImpresion hoja) {
    return kComandos[int(hoja)].tipo;
}

QString ArchivoDe(HojaImpresion hoja) {
    return QDir(resultados::CarpetaResultados())
        .filePath(QString::fromUtf8(kComandos[int(hoja)].archivo));
}

bool ImprimirHojaEn(HojaImpresion hoja, int32_t paginas_hoja, int32_t largo, bool con_soluciones,
                    QPrinter& impresora, bool colores) {
    if (TipoDe(hoja) != 0) tipo_hoja = TipoDe(hoja);
    std::unique_ptr<InformeHoja> informe = CrearInforme(hoja, nullptr);
    informe->paginas = paginas_hoja;
    informe->largo_zona = largo;
    informe->con_soluciones = con_soluciones;
    informe->colores = colores;
    return informe->Imprimir(&impresora);
}

QPrinter& ImpresoraHojas() {
    static std::unique_ptr<QPrinter> impresora;
    plataforma::PrepararImpresora(impresora);
    return *impresora;
}

void FijarMenuImpresion(QAction* menu) {
    g_menu = menu;
}

void DesactivarMenuImpresion() {
    if (g_menu) g_menu->setEnabled(false);
}

void ImprimirHoja(HojaImpresion hoja, QWidget* dueno) {
    if (!Form_paginas) return;
    const PedidoHojas pedido = Form_paginas->Pedir(MuestraDe(hoja), dueno);
    if (pedido.paginas <= 0) return;

    QPrinter& impresora = ImpresoraHojas();
    // Each sheet offers its own file; one the user typed stays.
    static QString propuesto;
    if (plataforma::ProponerArchivoPdf(impresora, ArchivoDe(hoja), propuesto))
        propuesto = ArchivoDe(hoja);
    {
        QPrintDialog dialogo(&impresora, dueno);
        dialogo.setObjectName(QStringLiteral("PrintDialog1"));
        if (plataforma::EjecutarModal(&dialogo) != QDialog::Accepted) return;
    }
    plataforma::PapelGuardado papel(impresora);
    if (TipoDe(hoja) != 0) tipo_hoja = TipoDe(hoja);

    bool fallo = false;
    try {
        // Freed after the run, so repeated printing does not pile up reports.
        std::unique_ptr<InformeHoja> informe = CrearInforme(hoja, dueno);
        informe->paginas = pedido.paginas;
        informe->largo_zona = pedido.largo_zona;
        informe->con_soluciones = pedido.con_soluciones;
        informe->colores = apariencia::ColoresPorPosicion();
        fallo = !impresora.isValid();
        if (!fallo) {
            QPrintPreviewDialog vista(&impresora, dueno);
            vista.setObjectName(QStringLiteral("Vista_previa"));
            vista.setWindowTitle(informe->windowTitle());
            vista.resize(800, 900);
            InformeHoja* datos = informe.get();
            QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                             [datos, &fallo](QPrinter* p) {
                                 if (!datos->Imprimir(p)) fallo = true;
                             });
            plataforma::EjecutarModal(&vista);
        }
    } catch (const std::exception&) {
        fallo = true;
    }
    if (fallo) {
        plataforma::Informar(kMensajeImpresora);
        DesactivarMenuImpresion();
    }
}

} // namespace hojas
