#include "app/fondo.h"

#include "app/form_menu.h"
#include "app/juego.h"
#include "app/servicios.h"
#include "platform/mensajes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

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

void CargarFondo(const QString& ruta) {
    if (!Form_menu) return;
    QPixmap dibujo(RutaDeInicio(ruta));
    if (dibujo.isNull()) {
        plataforma::AvisarError(QStringLiteral("Error en archivo de dibujo para fondo."));
        juego.fondo_cargado = 0;
        return;
    }
    Form_menu->Image_fondopantalla_tmp->setPixmap(dibujo);

    // Cover the whole screen, so the wallpaper is still whole after the
    // window manager maximises the window.
    QSize tamano = Form_menu->Image_fondopantalla->size();
    if (QScreen* s = QGuiApplication::primaryScreen()) tamano = tamano.expandedTo(s->size());
    QPixmap lienzo(tamano);
    lienzo.fill(Form_menu->palette().color(QPalette::Window));
    {
        QPainter p(&lienzo);
        for (const QPoint& punto :
             PosicionesMosaico(tamano.width(), tamano.height(), dibujo.width(), dibujo.height()))
            p.drawPixmap(punto, dibujo);
    }
    Form_menu->Image_fondopantalla->setPixmap(lienzo);
    VolverAlDirectorioInicial();
    juego.fondo_cargado = 1;
}
