#include "players/puntuacion.h"

#include "nucleo/anuncios.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "platform/mensajes.h"
#include "players/form_acierto.h"

void CelebrarCuenta() {
    ++juego.cuentas_acertadas;
    SonidoAcierto();
    if (juego.cuentas_acertadas >= kCuentasPorPremio) {
        Musica(1);
        if (Form_Acierto) plataforma::EjecutarModal(Form_Acierto);
        Musica(0);
        juego.cuentas_acertadas = 0;
    }
    emit AnunciosJuego().Celebracion();
}
