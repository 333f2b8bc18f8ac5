#pragma once
// An example step drawn on screen, as it is printed.
#include "aprendizaje/esquema_ejemplo.h"

#include <QWidget>
#include <memory>

class DibujoEjemplo;

class VistaEjemplo : public QWidget {
    Q_OBJECT
public:
    explicit VistaEjemplo(const EsquemaEjemplo& esquema, QWidget* padre = nullptr);
    ~VistaEjemplo() override;

    const EsquemaEjemplo& Esquema() const { return esquema_; }
    // Where the drawing sits in the widget.
    QPointF Origen() const;
    const DibujoEjemplo& Dibujo() const { return *dibujo_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    EsquemaEjemplo esquema_;
    std::unique_ptr<DibujoEjemplo> dibujo_;
};
