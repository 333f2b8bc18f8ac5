// The main window in high contrast: plain white instead of the starry
// wallpaper, flat dark panels, and totals in the darker blue and red that
// pass 4.5:1 on white (nucleo/contraste.cpp lists every pair).
#include "app/colores_menu.h"
#include "app/form_menu.h"
#include "nucleo/apariencia.h"
#include "nucleo/panel_juego.h"
#include "nucleo/rutas.h"
#include "nucleo/servicios.h"

#include <QLabel>
#include <QPixmap>

namespace {
void ColorDe(QWidget* w, QPalette::ColorRole rol, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(rol, color);
    w->setPalette(p);
}
} // namespace

void TForm_menu::AplicarApariencia() {
    const bool alto = apariencia::ContrasteAlto();
    ColorDe(this, QPalette::Window, alto ? QColor(Qt::white) : kColorVentana);
    if (alto) {
        // Not even read: start-up in high contrast decodes no picture.
        Image_fondopantalla->Poner(QPixmap(), Qt::white);
    } else if (!fondo_leido_) {
        fondo_leido_ = true;
        if (ExisteArchivo(QStringLiteral("fondo.bmp"))) CargarFondo(QStringLiteral("fondo.bmp"));
    } else if (juego.fondo_cargado) {
        Image_fondopantalla->Poner(Image_fondopantalla_tmp->pixmap(), kColorVentana);
    }
    for (PanelJuego* p : {Panel1, Panel2, Panel3, Panel4})
        p->PonerFondo(alto ? apariencia::Color(kAzulPanelAlto) : kAzulPanel, alto);
    Panel5->PonerFondo(alto ? apariencia::Color(kMagentaPanelAlto) : kMagentaPanel, alto);
    ColorDe(Label_pacertadas, QPalette::WindowText, apariencia::ColorMarca(Qt::blue));
    ColorDe(Label_pfalladas, QPalette::WindowText, apariencia::ColorMarca(Qt::red));
    const int puntos = juego.jugador_actual >= 1 && juego.jugador_actual <= kMaxJugadores
                           ? juego.puntos[juego.jugador_actual].puntos
                           : 0;
    ColorDe(Label_puntos, QPalette::WindowText, apariencia::ColorMarca(ColorPuntos(puntos)));
}
