#include "aprendizaje/dibujo_ejemplo.h"

#include <QFontMetricsF>
#include <QPainter>

const QColor kTintaMal(205, 0, 0);
const QColor kTintaBien(0, 125, 40);

namespace {
// A column is two digits wide, so the right answer fits beside the typed one.
constexpr qreal kPasoColumna = 2.0;
constexpr qreal kLlevadaRelativa = 0.6;
// Between the crossed-out answer and the right one, in digit widths.
constexpr qreal kHueco = 0.5;
} // namespace

DibujoEjemplo::DibujoEjemplo(const EsquemaEjemplo& esquema, const QFont& letra,
                             QPaintDevice* dispositivo)
    : e_(esquema), dispositivo_(dispositivo), letra_(letra), pequena_(letra) {
    if (letra.pointSizeF() > 0)
        pequena_.setPointSizeF(letra.pointSizeF() * kLlevadaRelativa);
    else
        pequena_.setPixelSize(std::max(1, qRound(letra.pixelSize() * kLlevadaRelativa)));
    const QFontMetricsF m(letra_, dispositivo);
    cifra_ = m.horizontalAdvance(QLatin1Char('0'));
    alto_ = m.height();
    alto_pequeno_ = QFontMetricsF(pequena_, dispositivo).height();
    paso_ = kPasoColumna * cifra_;
    raya_ = std::max<qreal>(1, alto_ / 16);
    if (e_.forma == EsquemaEjemplo::Forma::Linea)
        Linea();
    else
        Columnas();
}

qreal DibujoEjemplo::Ancho(const QString& texto, bool pequena) const {
    return QFontMetricsF(pequena ? pequena_ : letra_, dispositivo_).horizontalAdvance(texto);
}

void DibujoEjemplo::Poner(const QString& texto, qreal x, qreal arriba, qreal alto,
                          const QColor& tinta, bool pequena) {
    const QFontMetricsF m(pequena ? pequena_ : letra_, dispositivo_);
    const qreal base = arriba + (alto - m.height()) / 2 + m.ascent();
    trazos_.push_back({texto, QPointF(x, base), tinta, pequena, false});
}

QRectF DibujoEjemplo::Caja(const Trazo& t) const {
    const QFontMetricsF m(t.pequena ? pequena_ : letra_, dispositivo_);
    return m.tightBoundingRect(t.texto).translated(t.base);
}

void DibujoEjemplo::PonerFallo(const QString& tecleado, const QString& bien, qreal centro,
                               qreal arriba, qreal alto, bool pequena) {
    const qreal hueco = kHueco * Ancho(QStringLiteral("0"), pequena);
    const qreal a = Ancho(tecleado, pequena), b = Ancho(bien, pequena);
    const qreal x = centro - (a + hueco + b) / 2;
    Poner(tecleado, x, arriba, alto, kTintaMal, pequena);
    trazos_.back().tachado = true;
    // The cross reaches a little beyond the digits.
    const qreal margen = hueco / 3;
    tecleado_ = Caja(trazos_.back()).adjusted(-margen, -margen, margen, margen);
    Poner(bien, x + a + hueco, arriba, alto, kTintaBien, pequena);
    correcto_ = Caja(trazos_.back());
}

void DibujoEjemplo::Linea() {
    qreal x = 0;
    for (int i = 0; i < e_.piezas.size(); ++i) {
        if (i == e_.pieza_mal) {
            const qreal a = Ancho(e_.piezas[i], false), b = Ancho(e_.piezas[i + 1], false);
            const qreal ancho = a + kHueco * cifra_ + b;
            PonerFallo(e_.piezas[i], e_.piezas[i + 1], x + ancho / 2, 0, alto_, false);
            x += ancho + 0.6 * cifra_;
            ++i;
            continue;
        }
        Poner(e_.piezas[i], x, 0, alto_, Qt::black, false);
        x += Ancho(e_.piezas[i], false) + 0.6 * cifra_;
    }
    tamano_ = {x, alto_};
}

void DibujoEjemplo::Columnas() {
    // The carries' row is small, and only there when one was typed. The
    // sign takes a column of its own, left of the rows; the wrong answer's
    // column is wider, so the right one beside it does not read as part of
    // the next column's number.
    bool llevadas = false;
    for (const QString& c : e_.celdas.front())
        llevadas = llevadas || !c.isEmpty();
    const qreal alto_llevadas = llevadas ? alto_pequeno_ : 0;
    auto arriba = [&](int fila) {
        return fila == 0 ? 0
                         : alto_llevadas + alto_ * (fila - 1) +
                               (fila == e_.FilaResultado() ? 3 * raya_ : 0);
    };
    std::vector<qreal> centros;
    qreal x = paso_;
    for (int c = 0; c < e_.Columnas(); ++c) {
        qreal ancho = paso_;
        if (c == e_.columna_mal) {
            const bool pequena = e_.fila_mal == 0;
            const QString& tecleado = e_.celdas[size_t(e_.fila_mal)][size_t(c)];
            ancho = std::max(ancho, Ancho(tecleado, pequena) + Ancho(e_.bien, pequena) +
                                        kHueco * Ancho(QStringLiteral("0"), pequena) + cifra_);
        }
        centros.push_back(x + ancho / 2);
        x += ancho;
    }
    tamano_ = {x, arriba(e_.FilaResultado()) + alto_};

    for (int f = llevadas ? 0 : 1; f < e_.Filas(); ++f) {
        const bool pequena = f == 0;
        const qreal alto = pequena ? alto_pequeno_ : alto_;
        for (int c = 0; c < e_.Columnas(); ++c) {
            const QString& texto = e_.celdas[size_t(f)][size_t(c)];
            if (f == e_.fila_mal && c == e_.columna_mal)
                PonerFallo(texto, e_.bien, centros[size_t(c)], arriba(f), alto, pequena);
            else if (!texto.isEmpty())
                Poner(texto, centros[size_t(c)] - Ancho(texto, pequena) / 2, arriba(f), alto,
                      Qt::black, pequena);
        }
    }
    const int ultima = e_.FilaResultado() - 1;
    if (ultima < 1) return;
    const QString signo = e_.suma ? QStringLiteral("+") : QStringLiteral("−");
    Poner(signo, paso_ / 2 - Ancho(signo, false) / 2, arriba(ultima), alto_, Qt::black, false);
    rayas_.push_back(
        QRectF(cifra_ / 2, arriba(ultima) + alto_ + raya_, tamano_.width() - cifra_ / 2, raya_));
}

void DibujoEjemplo::Dibujar(QPainter& pintor, const QPointF& origen) const {
    pintor.save();
    pintor.translate(origen);
    for (const Trazo& t : trazos_) {
        pintor.setFont(t.pequena ? pequena_ : letra_);
        pintor.setPen(t.tinta);
        pintor.drawText(t.base, t.texto);
        if (t.tachado) {
            pintor.setPen(QPen(t.tinta, raya_, Qt::SolidLine, Qt::RoundCap));
            pintor.drawLine(tecleado_.bottomLeft(), tecleado_.topRight());
        }
    }
    for (const QRectF& r : rayas_)
        pintor.fillRect(r, Qt::black);
    pintor.restore();
}
