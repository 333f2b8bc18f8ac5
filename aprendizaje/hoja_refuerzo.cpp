#include "aprendizaje/hoja_refuerzo.h"
#include "aprendizaje/letra_impresa.h"

#include "written/resta_prestamo.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr qreal kMargenHojaMm = 15;
const QColor kGris(90, 90, 90);
const QColor kRojo(200, 30, 30);
const QColor kAzul(20, 60, 200);

// Digits line up in columns as on the worksheets.
QFont Cifras(qreal puntos) {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPointSizeF(puntos);
    f.setBold(true);
    return f;
}

QString Rotulo(int i) {
    return QString(QChar(u'a' + i)) + u')';
}

class Pagina {
public:
    Pagina(QPrinter& impresora, QPainter& pintor) : impresora_(impresora), p_(pintor) {
        mm_ = impresora.logicalDpiY() / 25.4;
        const QRectF hoja(QPointF(0, 0), QSizeF(impresora.width(), impresora.height()));
        zona_ = hoja.adjusted(kMargenHojaMm * mm_, kMargenHojaMm * mm_, -kMargenHojaMm * mm_,
                              -kMargenHojaMm * mm_);
    }

    void Dibujar(const PaginaRefuerzo& pag, const HojaRefuerzo& hoja) {
        y_ = zona_.top();
        Cabecera(pag, hoja.fecha);
        if (!pag.pasos.empty()) Ejemplo(pag);
        Ejercicios(pag);
        if (hoja.con_soluciones) Soluciones(pag);
        Pie(pag, hoja);
    }

private:
    qreal Alto(const QFont& f) const { return QFontMetricsF(f, &impresora_).height(); }
    qreal Ancho(const QFont& f, const QString& t) const {
        return QFontMetricsF(f, &impresora_).horizontalAdvance(t);
    }
    void Texto(const QRectF& r, const QFont& f, const QString& t, int alinear,
               const QColor& c = Qt::black) {
        p_.setFont(f);
        p_.setPen(c);
        p_.drawText(r, alinear, t);
    }

    void Cabecera(const PaginaRefuerzo& pag, const QDate& fecha) {
        const QFont titulo = LetraImpresa(16, true);
        const qreal h = Alto(titulo);
        Texto(QRectF(zona_.left(), y_, zona_.width(), h), titulo,
              QStringLiteral("Hoja de refuerzo"), Qt::AlignLeft | Qt::AlignVCenter);
        Texto(QRectF(zona_.left(), y_, zona_.width(), h), LetraImpresa(12, true),
              pag.nino + QStringLiteral("   ") + fecha.toString(QStringLiteral("d/M/yyyy")),
              Qt::AlignRight | Qt::AlignVCenter);
        y_ += h + 1 * mm_;
        const QFont sub = LetraImpresa(11);
        Texto(QRectF(zona_.left(), y_, zona_.width(), Alto(sub)), sub,
              QStringLiteral("Para practicar: ") + NombrePatron(*pag.patron, pag.metodo),
              Qt::AlignLeft | Qt::AlignVCenter, kGris);
        y_ += Alto(sub) + 2 * mm_;
        Raya();
    }

    void Raya() {
        p_.setPen(QPen(QColor(190, 190, 190), mm_ / 4));
        p_.drawLine(QPointF(zona_.left(), y_), QPointF(zona_.right(), y_));
        y_ += 4 * mm_;
    }

    // A column operation with its right edge at `derecha` and its first row at `arriba`, each
    // digit in a column of its own with room for the marks; the result, carries and marks of
    // `paso` when given. Returns its height.
    qreal Cuenta(const CuentaDescrita& c, qreal derecha, qreal arriba, const QFont& f,
                 const PasoEjemplo* paso, MetodoResta metodo) {
        const Operacion& op = c.op;
        const qreal a = Ancho(f, QStringLiteral("0")) * 1.6;
        const qreal fila = Alto(f) * 1.15;
        auto x = [&](int col) { return derecha - (col + 1) * a; };
        auto cifras = [&](int32_t numero, qreal y) {
            const QString t = QString::number(numero);
            for (int i = 0; i < t.size(); ++i)
                Texto(QRectF(x(t.size() - 1 - i), y, a, fila), f, t.mid(i, 1), Qt::AlignCenter);
        };
        for (int r = 0; r < op.filas; ++r) {
            const qreal y = arriba + r * fila;
            cifras(c.Fila(r), y);
            if (r == op.filas - 1)
                Texto(QRectF(x(op.columnas), y, a, fila), f,
                      c.descripcion.es_suma ? QStringLiteral("+") : QStringLiteral("-"),
                      Qt::AlignCenter);
        }
        const qreal raya = arriba + op.filas * fila + 0.5 * mm_;
        p_.setPen(QPen(Qt::black, mm_ / 3));
        p_.drawLine(QPointF(x(op.columnas), raya), QPointF(derecha, raya));
        const qreal alto = op.filas * fila + 1 * mm_ + fila;
        if (!paso) return alto;

        int32_t res = 0;
        for (int col = kMaxColumnas; col >= 0; --col)
            if (paso->resultado[col] >= 0) res = res * 10 + paso->resultado[col];
        cifras(res, raya + 1 * mm_);

        const QFont pequena = LetraImpresa(f.pointSizeF() * 0.5, true);
        const qreal hp = Alto(pequena);
        const qreal cifra = Ancho(f, QStringLiteral("0"));
        for (int col = 1; col < op.columnas; ++col)
            if (paso->llevada[col])
                Texto(QRectF(x(col), arriba - hp, a, hp), pequena,
                      QString::number(paso->llevada[col]), Qt::AlignCenter, kRojo);
        RestaConPrestamo resta;
        resta.Empezar(op, metodo, MarcarLlevadas::Nunca);
        for (const PasoMarca& m : paso->marcas) {
            const int col = m.columna;
            const qreal izquierda = x(col) + (a - cifra) / 2; // of the digit itself
            switch (m.marca) {
            case TipoMarca::Ayuda:
                Texto(QRectF(izquierda - hp * 0.6, arriba, hp * 0.6, hp), pequena,
                      QStringLiteral("1"), Qt::AlignRight | Qt::AlignVCenter, kRojo);
                break;
            case TipoMarca::Ayuda2:
                Texto(QRectF(izquierda - hp * 0.6, arriba - hp * 1.1, hp * 0.6, hp), pequena,
                      QStringLiteral("1"), Qt::AlignRight | Qt::AlignVCenter, kRojo);
                break;
            case TipoMarca::Mas1:
                Texto(QRectF(x(col), arriba + fila - hp * 0.45, a, hp * 0.7), pequena,
                      QStringLiteral("+1"), Qt::AlignCenter, kAzul);
                break;
            case TipoMarca::Koru:
                p_.setPen(QPen(kGris, mm_ / 3));
                p_.drawLine(QPointF(izquierda, arriba + fila * 0.85),
                            QPointF(izquierda + cifra, arriba + fila * 0.15));
                break;
            case TipoMarca::Menos1:
                Texto(QRectF(x(col), arriba - hp * 1.1, a, hp), pequena,
                      QString::number(resta.Rebajado(col)), Qt::AlignCenter, kAzul);
                break;
            }
        }
        return alto;
    }

    void Ejemplo(const PaginaRefuerzo& pag) {
        const QFont titulo = LetraImpresa(12, true);
        Texto(QRectF(zona_.left(), y_, zona_.width(), Alto(titulo)), titulo,
              QStringLiteral("Ejemplo resuelto"), Qt::AlignLeft | Qt::AlignVCenter);
        y_ += Alto(titulo) + 6 * mm_;
        const QFont cifras = Cifras(22);
        qreal ancho_op = Ancho(cifras, QStringLiteral("0")) * 1.6 * (kMaxColumnas + 2);
        qreal alto_op = 0;
        if (pag.ejemplo.descripcion.EsMental()) {
            // The line as solved: the hidden term written in.
            const CuentaMental& m = pag.ejemplo.mental;
            const bool suma = pag.ejemplo.descripcion.mental == TipoMental::Sumas;
            const QString t = QStringLiteral("%1 %2 %3 = %4")
                                  .arg(m.primero)
                                  .arg(suma ? QStringLiteral("+") : QStringLiteral("-"))
                                  .arg(m.segundo)
                                  .arg(m.resultado);
            ancho_op = Ancho(cifras, t) + 4 * mm_;
            alto_op = Alto(cifras);
            Texto(QRectF(zona_.left(), y_, ancho_op, alto_op), cifras, t,
                  Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            alto_op = Cuenta(pag.ejemplo, zona_.left() + ancho_op, y_, cifras, &pag.pasos.back(),
                             pag.metodo);
        }
        // The steps beside it, numbered.
        const QFont pasos = LetraImpresa(10.5);
        const qreal x = zona_.left() + ancho_op + 12 * mm_;
        qreal y = y_ - 3 * mm_;
        for (size_t i = 0; i < pag.pasos.size(); ++i) {
            const QString t = QStringLiteral("%1. %2").arg(i + 1).arg(pag.pasos[i].frase);
            const QRectF caja =
                QFontMetricsF(pasos, &impresora_)
                    .boundingRect(QRectF(0, 0, zona_.right() - x, 1e6), Qt::TextWordWrap, t);
            Texto(QRectF(x, y, zona_.right() - x, caja.height()), pasos, t, Qt::TextWordWrap);
            y += caja.height() + 1.5 * mm_;
        }
        y_ = std::max(y_ + alto_op, y) + 4 * mm_;
        Raya();
    }

    void Ejercicios(const PaginaRefuerzo& pag) {
        const QFont titulo = LetraImpresa(12, true);
        Texto(QRectF(zona_.left(), y_, zona_.width(), Alto(titulo)), titulo,
              QStringLiteral("Ahora tú"), Qt::AlignLeft | Qt::AlignVCenter);
        y_ += Alto(titulo) + 4 * mm_;
        const int n = int(pag.ejercicios.size());
        const qreal ancho = zona_.width() / 4;
        const QFont etiqueta = LetraImpresa(10);
        if (n > 0 && pag.ejercicios[0].descripcion.EsMental()) {
            const QFont f = LetraImpresa(14);
            const qreal fila = Alto(f) * 2.2;
            for (int i = 0; i < n; ++i) {
                const QRectF r(zona_.left() + (i % 4) * ancho, y_ + (i / 4) * fila, ancho, fila);
                Texto(r, etiqueta, Rotulo(i), Qt::AlignLeft | Qt::AlignVCenter, kGris);
                QString t = TextoCuenta(pag.ejercicios[size_t(i)]);
                t.replace(QStringLiteral("..."), QStringLiteral("____"));
                Texto(r.adjusted(7 * mm_, 0, 0, 0), f, t, Qt::AlignLeft | Qt::AlignVCenter);
            }
            y_ += ((n + 3) / 4) * fila + 4 * mm_;
            return;
        }
        const QFont cifras = Cifras(16);
        const qreal a = Ancho(cifras, QStringLiteral("0"));
        qreal alto = 0;
        for (int i = 0; i < n; ++i) {
            const qreal x = zona_.left() + (i % 4) * ancho;
            const qreal y = y_ + (i / 4) * (alto + 8 * mm_);
            Texto(QRectF(x, y, 8 * mm_, Alto(etiqueta)), etiqueta, Rotulo(i),
                  Qt::AlignLeft | Qt::AlignVCenter, kGris);
            alto = Cuenta(pag.ejercicios[size_t(i)], x + 6 * mm_ + a * 1.6 * (kMaxColumnas + 1), y,
                          cifras, nullptr, pag.metodo);
        }
        y_ += ((n + 3) / 4) * (alto + 8 * mm_);
    }

    void Soluciones(const PaginaRefuerzo& pag) {
        QStringList s;
        for (size_t i = 0; i < pag.ejercicios.size(); ++i)
            s << Rotulo(int(i)) + u' ' + QString::number(Respuesta(pag.ejercicios[i]));
        const QFont f = LetraImpresa(9);
        const QString t = QStringLiteral("Soluciones:  ") + s.join(QStringLiteral("   "));
        const qreal h = QFontMetricsF(f, &impresora_)
                            .boundingRect(QRectF(0, 0, zona_.width(), 1e6), Qt::TextWordWrap, t)
                            .height();
        Texto(QRectF(zona_.left(), zona_.bottom() - 12 * mm_ - h, zona_.width(), h), f, t,
              Qt::TextWordWrap, kGris);
    }

    void Pie(const PaginaRefuerzo& pag, const HojaRefuerzo& hoja) {
        const QFont f = LetraImpresa(8);
        const QString linea1 = QStringLiteral("%1 · semilla %2")
                                   .arg(NombrePatron(*pag.patron, pag.metodo))
                                   .arg(hoja.semilla);
        const QString linea2 =
            OrdenDeRefuerzo(pag.nino, hoja.paginas_por_nino, hoja.semilla, hoja.con_soluciones);
        const qreal h = Alto(f);
        Texto(QRectF(zona_.left(), zona_.bottom() - 2 * h, zona_.width(), h), f, linea1,
              Qt::AlignLeft | Qt::AlignVCenter, kGris);
        Texto(QRectF(zona_.left(), zona_.bottom() - h, zona_.width(), h), f, linea2,
              Qt::AlignLeft | Qt::AlignVCenter, kGris);
    }

    QPrinter& impresora_;
    QPainter& p_;
    qreal mm_ = 1;
    QRectF zona_;
    qreal y_ = 0;
};

} // namespace

bool ImprimirRefuerzo(const HojaRefuerzo& hoja, QPrinter& impresora) {
    impresora.setDocName(QStringLiteral("Hoja de refuerzo"));
    impresora.setFullPage(true);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&impresora)) return false;
    pintor.setRenderHint(QPainter::Antialiasing);
    Pagina pagina(impresora, pintor);
    for (size_t i = 0; i < hoja.paginas.size(); ++i) {
        if (i > 0) impresora.newPage();
        pagina.Dibujar(hoja.paginas[i], hoja);
    }
    return pintor.end();
}
