#pragma once
// Draws an example step as the child saw it: a column operation, or the
// mental line, with the typed answer in red, crossed out, and the right one
// beside it in green. The same drawing goes on screen and on paper.
#include "aprendizaje/esquema_ejemplo.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>

class QPainter;
class QPaintDevice;

extern const QColor kTintaMal;  // the typed answer
extern const QColor kTintaBien; // what was due

class DibujoEjemplo {
public:
    // `letra`: the digits' font, measured on `dispositivo` (a screen or a printer).
    DibujoEjemplo(const EsquemaEjemplo& esquema, const QFont& letra, QPaintDevice* dispositivo);

    QSizeF Tamano() const { return tamano_; }
    // From the drawing's top-left corner: the typed answer with its cross,
    // and the right one (empty when the step has none).
    QRectF Tecleado() const { return tecleado_; }
    QRectF Correcto() const { return correcto_; }
    void Dibujar(QPainter& pintor, const QPointF& origen) const;

private:
    // A text on a row whose top is `arriba`, from `x`.
    struct Trazo {
        QString texto;
        QPointF base; // left end of the baseline
        QColor tinta;
        bool pequena = false;
        bool tachado = false;
    };
    void Poner(const QString& texto, qreal x, qreal arriba, qreal alto, const QColor& tinta,
               bool pequena);
    // The wrong answer and the right one, side by side, centred on `centro`.
    void PonerFallo(const QString& tecleado, const QString& bien, qreal centro, qreal arriba,
                    qreal alto, bool pequena);
    qreal Ancho(const QString& texto, bool pequena) const;
    QRectF Caja(const Trazo& t) const; // the glyphs' box
    void Columnas();
    void Linea();

    EsquemaEjemplo e_;
    QPaintDevice* dispositivo_;
    QFont letra_, pequena_;
    qreal cifra_ = 0, alto_ = 0, alto_pequeno_ = 0, paso_ = 0, raya_ = 0;
    std::vector<Trazo> trazos_;
    std::vector<QRectF> rayas_; // the rule under the rows
    QRectF tecleado_, correcto_;
    QSizeF tamano_;
};
