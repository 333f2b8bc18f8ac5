#include "worksheets/informe.h"

#include "nucleo/contraste.h"
#include "worksheets/hojas.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace hojas {

const QString kCabecera = QStringLiteral(
    "Nombre:.........................................................................."
    " Nivel:..................... Fecha:......................................");
const QString kAutor = QStringLiteral("Zifra");

namespace {
constexpr int kArribaPagina_mm = 10;
} // namespace

InformeHoja::InformeHoja(const char* nombre, DisenoInforme diseno, QWidget* parent)
    : QWidget(parent), diseno_(std::move(diseno)) {
    setObjectName(QString::fromLatin1(nombre));
    setWindowTitle(QStringLiteral("Informe para impresiones"));
    setAttribute(Qt::WA_DontShowOnScreen); // only its preview is seen
}

void InformeHoja::QuickReport1StartPage() {
    filas_por_pagina = FilasPorPagina(largo_zona, diseno_.alto_cabecera, diseno_.alto_detalle);
    total_registros = paginas * diseno_.filas_fijas;
}

void InformeHoja::QuickReport1NeedData(bool& MoreData) {
    banda_.valores.clear();
    if (fila_en_pagina == 0) {
        banda_.memo.clear();
        soluciones.clear();
    }
    banda_.signos = false;
    if (fila_en_pagina < filas_por_pagina) {
        banda_.signos = true;
        soluciones += GenerarFila(banda_.valores);
    }
    if (++fila_en_pagina == diseno_.filas_fijas) {
        fila_en_pagina = 0;
        if (con_soluciones) banda_.memo = soluciones;
    }
    if (++registro > total_registros) {
        MoreData = false;
        registro = 0;
        fila_en_pagina = 0;
    } else {
        MoreData = true;
    }
}

const QVector<PaginaInforme>& InformeHoja::Paginas() {
    if (generado_) return paginas_;
    generado_ = true;
    // A run always starts on a fresh page, whatever an earlier one left.
    registro = 0;
    fila_en_pagina = 0;
    for (;;) {
        QuickReport1StartPage();
        PaginaInforme pagina;
        pagina.reserve(diseno_.filas_fijas);
        bool mas = true;
        while (pagina.size() < diseno_.filas_fijas) {
            QuickReport1NeedData(mas);
            if (!mas) break;
            pagina << banda_;
        }
        if (!pagina.isEmpty()) paginas_ << pagina;
        if (!mas) break;
    }
    return paginas_;
}

bool InformeHoja::Imprimir(QPrinter* impresora) {
    impresora->setDocName(QStringLiteral("Zifra sumas restas cuentas"));
    impresora->setFullPage(true);
    impresora->setPageLayout(QPageLayout(
        QPageSize(QSizeF(210.0, 297.0), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return Pintar(impresora);
}

bool InformeHoja::Pintar(QPagedPaintDevice* dispositivo) {
    const auto& paginas_informe = Paginas();
    QPainter p;
    if (!p.begin(dispositivo)) return false;
    const double ppp = dispositivo->logicalDpiY();
    const double escala = ppp / 96.0;
    const QPointF origen(diseno_.margen_mm / 25.4 * ppp, kArribaPagina_mm / 25.4 * ppp);
    QFont cabecera;
    cabecera.setPixelSize(12);
    QFont autor;
    autor.setPixelSize(9);
    for (int i = 0; i < paginas_informe.size(); ++i) {
        if (i > 0) dispositivo->newPage();
        p.resetTransform();
        p.translate(origen);
        p.scale(escala, escala);
        p.setFont(cabecera);
        p.drawText(QRect(0, 2, 720, 18), Qt::AlignLeft | Qt::AlignVCenter, kCabecera);
        p.setFont(autor);
        p.drawText(QRect(560, 20, 150, 14), Qt::AlignRight | Qt::AlignVCenter, kAutor);
        const PaginaInforme& pagina = paginas_informe[i];
        for (int b = 0; b < pagina.size(); ++b)
            PintarBanda(p, pagina[b], diseno_.alto_cabecera + b * diseno_.alto_detalle);
    }
    return p.end();
}

// Laid out as the whole text would be, then drawn digit by digit; spaces and
// dots stay black.
void InformeHoja::PintarEnColores(QPainter& p, const EtiquetaDiseno& e, int arriba,
                                  const QString& texto) const {
    const QRectF caja = e.caja.translated(0, arriba);
    const QRectF usado = p.boundingRect(caja, e.alineacion, texto);
    const QFontMetricsF medidas(p.font(), p.device());
    int lugar = 0;
    for (const QChar c : texto)
        lugar += c.isDigit();
    qreal x = usado.left();
    const QPen antes = p.pen();
    for (const QChar c : texto) {
        int posicion = 0;
        if (c.isDigit()) posicion = e.posicion > 0 ? e.posicion : lugar--;
        p.setPen(QColor::fromRgb(ColorDePosicion(posicion)));
        p.drawText(QPointF(x, usado.top() + medidas.ascent()), QString(c));
        x += medidas.horizontalAdvance(c);
    }
    p.setPen(antes);
}

void InformeHoja::PintarBanda(QPainter& p, const BandaDetalle& b, int arriba) const {
    QFont fuente;
    int px = 0;
    for (const EtiquetaDiseno& e : diseno_.etiquetas) {
        const bool signo = !e.texto.isEmpty();
        if (signo && !b.signos) continue;
        const QString texto = signo ? e.texto : b.valores.value(e.nombre);
        if (texto.isEmpty()) continue;
        if (px != e.pixeles) {
            px = e.pixeles;
            fuente.setPixelSize(px);
            p.setFont(fuente);
        }
        if (colores && !signo)
            PintarEnColores(p, e, arriba, texto);
        else
            p.drawText(e.caja.translated(0, arriba), e.alineacion, texto);
    }
    if (b.signos)
        for (const QRect& l : diseno_.lineas)
            p.fillRect(l.translated(0, arriba), Qt::black);
    if (!b.memo.isEmpty()) {
        fuente.setPixelSize(11);
        p.setFont(fuente);
        // Measured as drawText lays it out, on this device.
        const auto ancho_de = [&p](const QString& s) {
            return p.boundingRect(QRectF(0, 0, 1e6, 100), Qt::AlignLeft | Qt::TextSingleLine, s)
                .width();
        };
        const QRect caja = diseno_.memo.translated(0, arriba);
        p.drawText(caja, Qt::AlignLeft | Qt::AlignTop,
                   LineasSoluciones(b.memo, caja.width(), ancho_de).join(QLatin1Char('\n')));
    }
}

} // namespace hojas
