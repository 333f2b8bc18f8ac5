#include "app/fondo.h"

#include "app/form_menu.h"
#include "app/juego.h"
#include "app/servicios.h"
#include "platform/mensajes.h"

#include <QPaintEvent>
#include <QPainter>

std::vector<QPoint> PosicionesMosaico(int ancho_imagen, int alto_imagen, int w, int h,
                                      int primera_x, int y0) {
    std::vector<QPoint> posiciones;
    if (w <= 0 || h <= 0) return posiciones;
    int x = primera_x;
    int y = y0;
    while (y < alto_imagen) {
        if (x > ancho_imagen) {
            x = 1;
            y += h;
        }
        posiciones.emplace_back(x, y);
        x += w;
    }
    return posiciones;
}

MosaicoFondo::MosaicoFondo(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MosaicoFondo::Poner(const QPixmap& dibujo, const QColor& color) {
    dibujo_ = dibujo;
    color_ = color;
    // It covers every pixel, so nothing under it is painted.
    setAttribute(Qt::WA_OpaquePaintEvent, !dibujo_.isNull());
    update();
}

void MosaicoFondo::paintEvent(QPaintEvent* e) {
    if (dibujo_.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QRect zona = e->rect();
    // The left column under the first row is the only place no copy reaches;
    // a picture with transparency shows the colour through.
    if (dibujo_.hasAlphaChannel())
        p.fillRect(zona, color_);
    else
        p.fillRect(QRect(0, dibujo_.height(), 1, height()).intersected(zona), color_);
    for (const QPoint& punto :
         PosicionesMosaico(width(), height(), dibujo_.width(), dibujo_.height()))
        if (zona.intersects(QRect(punto, dibujo_.size()))) p.drawPixmap(punto, dibujo_);
}

void CargarFondo(const QString& ruta) {
    if (!Form_menu) return;
    QPixmap dibujo(RutaDeInicio(ruta));
    if (dibujo.isNull()) {
        plataforma::AvisarError(QStringLiteral("Error en archivo de dibujo para fondo."));
        juego.fondo_cargado = 0;
        return;
    }
    Form_menu->Image_fondopantalla_tmp->setPixmap(dibujo);
    Form_menu->Image_fondopantalla->Poner(dibujo, Form_menu->palette().color(QPalette::Window));
    VolverAlDirectorioInicial();
    juego.fondo_cargado = 1;
}
