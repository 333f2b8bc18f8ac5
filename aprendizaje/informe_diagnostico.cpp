#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/letra_impresa.h"

#include "aprendizaje/dibujo_ejemplo.h"
#include "aprendizaje/textos_diagnostico.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

ColoresEstado ColoresDe(EstadoPatron estado) {
    switch (estado) {
    case EstadoPatron::Confirmado:
        return {QColor(198, 40, 40), Qt::white};
    case EstadoPatron::Posible:
        return {QColor(245, 170, 30), Qt::black};
    case EstadoPatron::Superado:
        return {QColor(46, 125, 50), Qt::white};
    }
    return {Qt::lightGray, Qt::black};
}

namespace {

constexpr qreal kMargenMm = 18;

// Lays the pages out from top to bottom, in device units.
class Paginas {
public:
    Paginas(QPrinter& impresora, QPainter& pintor) : impresora_(impresora), p_(pintor) {
        const qreal mm = impresora.logicalDpiY() / 25.4;
        mm_ = mm;
        const QRectF hoja(QPointF(0, 0), QSizeF(impresora.width(), impresora.height()));
        zona_ = hoja.adjusted(kMargenMm * mm, kMargenMm * mm, -kMargenMm * mm, -kMargenMm * mm);
    }

    void Nino(const InformeNino& n) {
        nombre_ = n.nombre;
        pagina_nino_ = 0;
        if (empezado_)
            NuevaPagina();
        else
            Empezar();
        Texto(LetraImpresa(18, true), kTituloDiagnostico);
        Texto(LetraImpresa(16, true), n.nombre);
        const int operaciones = n.diagnostico ? n.diagnostico->operaciones : 0;
        Texto(LetraImpresa(11), TextoPeriodo(n.periodo, operaciones), 4);
        if (!n.diagnostico || n.diagnostico->patrones.empty()) {
            Texto(LetraImpresa(12), TextoSinPatrones(n.nombre, operaciones), 4);
            return;
        }
        Texto(LetraImpresa(9), kLeyendaEjemplo, 6, QColor(90, 90, 90));
        for (const DiagnosticoPatron& p : n.diagnostico->patrones)
            Patron(p);
    }

    void Vacio() {
        Empezar();
        Texto(LetraImpresa(18, true), kTituloDiagnostico);
        Texto(LetraImpresa(12), QStringLiteral("No hay ninguna cuenta en los diarios."), 4);
    }

private:
    void Empezar() {
        empezado_ = true;
        y_ = zona_.top();
        Pie();
    }

    void NuevaPagina() {
        impresora_.newPage();
        y_ = zona_.top();
        Pie();
    }

    // Each child's pages numbered apart: they go to different hands.
    void Pie() {
        ++pagina_nino_;
        if (nombre_.isEmpty()) return;
        p_.setFont(LetraImpresa(8));
        p_.setPen(QColor(90, 90, 90));
        p_.drawText(QRectF(zona_.left(), zona_.bottom(), zona_.width(), 8 * mm_),
                    Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("%1, página %2").arg(nombre_).arg(pagina_nino_));
    }

    qreal Alto(const QFont& f, const QString& t) const {
        return AltoParrafo(&impresora_, f, t, zona_.width());
    }

    // A paragraph across the page, then `despues` mm.
    void Texto(const QFont& f, const QString& t, qreal despues = 2, const QColor& c = Qt::black) {
        y_ += PintarParrafo(p_, &impresora_, f, t, zona_.left(), y_, zona_.width(), c) +
              despues * mm_;
    }

    void Patron(const DiagnosticoPatron& p) {
        const QFont nombre = LetraImpresa(13, true), estado = LetraImpresa(10, true),
                    normal = LetraImpresa(11);
        const QFont cifras = LetraImpresa(18), ejemplo = LetraImpresa(10);
        const DibujoEjemplo dibujo(EsquemaDe(p.ejemplo.paso), cifras, &impresora_);
        const QString detalle = TextoVeces(p) + u' ' + TextoCuando(p);
        const qreal alto_nombre = QFontMetricsF(nombre, &impresora_).height();
        const qreal alto = alto_nombre + 2 * mm_ + Alto(normal, detalle) + 1.5 * mm_ +
                           Alto(normal, p.patron->descripcion) + 3 * mm_ +
                           dibujo.Tamano().height() + 6 * mm_;
        // A pattern is never split across pages.
        if (y_ + alto > zona_.bottom() && y_ > zona_.top() + 1) {
            NuevaPagina();
            Texto(LetraImpresa(10),
                  QStringLiteral("%1: %2 (sigue)").arg(kTituloDiagnostico, nombre_), 4,
                  QColor(90, 90, 90));
        }

        p_.setFont(nombre);
        p_.setPen(Qt::black);
        const QString titulo = NombreDe(p);
        const qreal ancho_titulo = QFontMetricsF(nombre, &impresora_).horizontalAdvance(titulo);
        p_.drawText(QRectF(zona_.left(), y_, ancho_titulo + 1, alto_nombre),
                    Qt::AlignLeft | Qt::AlignVCenter, titulo);
        Etiqueta(TextoEstado(p.estado), ColoresDe(p.estado), estado,
                 QPointF(zona_.left() + ancho_titulo + 4 * mm_, y_), alto_nombre);
        y_ += alto_nombre + 2 * mm_;
        Texto(normal, detalle, 1.5);
        Texto(normal, p.patron->descripcion, 3);

        dibujo.Dibujar(p_, QPointF(zona_.left() + 6 * mm_, y_));
        p_.setFont(ejemplo);
        p_.setPen(QColor(60, 60, 60));
        const qreal x = zona_.left() + 6 * mm_ + dibujo.Tamano().width() + 8 * mm_;
        p_.drawText(QRectF(x, y_, zona_.right() - x, dibujo.Tamano().height()),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                    QStringLiteral("Último ejemplo: %1").arg(TextoEjemplo(p.ejemplo)));
        y_ += dibujo.Tamano().height() + 3 * mm_;
        p_.setPen(QPen(QColor(190, 190, 190), mm_ / 4));
        p_.drawLine(QPointF(zona_.left(), y_), QPointF(zona_.right(), y_));
        y_ += 3 * mm_;
    }

    void Etiqueta(const QString& texto, const ColoresEstado& colores, const QFont& f,
                  const QPointF& donde, qreal alto) {
        const QFontMetricsF m(f, &impresora_);
        const QRectF caja(donde.x(), donde.y() + (alto - m.height() * 1.3) / 2,
                          m.horizontalAdvance(texto) + 4 * mm_, m.height() * 1.3);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colores.fondo);
        p_.drawRoundedRect(caja, mm_, mm_);
        p_.setBrush(Qt::NoBrush);
        p_.setFont(f);
        p_.setPen(colores.texto);
        p_.drawText(caja, Qt::AlignCenter, texto);
    }

    QPrinter& impresora_;
    QPainter& p_;
    qreal mm_ = 1;
    QRectF zona_;
    qreal y_ = 0;
    bool empezado_ = false;
    int pagina_nino_ = 0;
    QString nombre_;
};

} // namespace

bool ImprimirDiagnostico(const std::vector<InformeNino>& ninos, QPrinter& impresora) {
    impresora.setDocName(kTituloDiagnostico);
    impresora.setFullPage(true);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&impresora)) return false;
    pintor.setRenderHint(QPainter::Antialiasing);
    Paginas paginas(impresora, pintor);
    if (ninos.empty()) paginas.Vacio();
    for (const InformeNino& n : ninos)
        paginas.Nino(n);
    return pintor.end();
}
