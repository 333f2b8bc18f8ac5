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
    const int h = dibujo_.height();
    // The left column under the first row is the only place no copy reaches;
    // a picture with transparency shows the colour through.
    if (dibujo_.hasAlphaChannel())
        p.fillRect(zona, color_);
    else
        p.fillRect(QRect(0, h, 1, height()).intersected(zona), color_);
    // The copies of PosicionesMosaico as two tiled fills: the first row from
    // x = 0, the rest from x = 1. One blit per copy cost 20 ms at the first
    // paint, as Qt hands every blit of a picture that tall to its threads.
    const struct {
        QRect area;
        QPoint origen;
    } partes[] = {{QRect(0, 0, width(), h), QPoint(0, 0)},
                  {QRect(1, h, width() - 1, height() - h), QPoint(1, h)}};
    for (const auto& parte : partes) {
        const QRect r = parte.area.intersected(zona);
        if (!r.isEmpty()) p.drawTiledPixmap(r, dibujo_, r.topLeft() - parte.origen);
    }
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
