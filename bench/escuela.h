#pragma once
// A school year's journal for the benchmarks: 1 000 000 steps of 30
// children on 3 computers, drawn and judged by the game's own rules.
#include "aprendizaje/paso.h"
#include "mental/calculo_mental.h"
#include "nucleo/azar.h"
#include "written/cuenta_columnas.h"
#include "written/resta_prestamo.h"

#include <vector>

namespace escuela {

inline constexpr size_t kPasos = 1000000;
inline constexpr int kNinos = 30;

// One try in five is wrong.
inline int32_t Teclear(int32_t bien, int32_t tope) {
    if (Aleatorio(5) != 0) return bien;
    const int32_t mal = Aleatorio(tope);
    return mal == bien ? (bien + 1) % tope : mal;
}

struct Diario {
    std::vector<PasoDiario> pasos;
    PasoDiario fila;
    bool primero = true;

    void Paso(PasoJuzgado::Que que, int columna, int32_t bien, int32_t tecleado) {
        fila.paso.que = que;
        fila.paso.columna = columna;
        fila.paso.correcto = bien;
        fila.paso.tecleado = tecleado;
        fila.paso.acierto = bien == tecleado;
        fila.hora += 1000 + Aleatorio(4000);
        fila.primer_intento = primero;
        primero = fila.paso.acierto;
        pasos.push_back(fila);
    }
    void Filas(const Operacion& op) {
        fila.paso.columnas = op.columnas;
        fila.paso.n_operandos = op.filas;
        for (int f = 0; f < op.filas; ++f) {
            int32_t n = 0;
            for (int c = op.columnas - 1; c >= 0; --c)
                n = n * 10 + op.cifras[f][c];
            fila.paso.operandos[f] = n;
        }
    }

    void Suma() {
        fila.paso.ventana = VentanaSumas4b;
        fila.paso.suma = true;
        const Operacion op = Sortear(Sorteo::SumaLlevaSiempre, 2, 3);
        Filas(op);
        CuentaEnColumnas cuenta;
        cuenta.Empezar(op, true, true);
        for (bool fin = false; !fin;) {
            const bool llevada = cuenta.EsperaLlevada();
            const int columna = cuenta.Columna();
            const int32_t bien = llevada ? cuenta.LlevadaEsperada() : cuenta.CifraEsperada();
            const int32_t t = Teclear(bien, 10);
            Paso(llevada ? PasoJuzgado::Que::Llevada : PasoJuzgado::Que::Cifra, columna, bien, t);
            using J = CuentaEnColumnas::Juicio;
            const J j = llevada ? cuenta.Llevada(QString::number(t))
                                : cuenta.Cifra(QString::number(t), true);
            fin = j == J::Fin;
        }
    }

    void Resta() {
        const bool cuatro = Aleatorio(2);
        fila.paso.ventana = cuatro ? VentanaRestas5 : VentanaRestas4b;
        fila.paso.suma = false;
        fila.paso.metodo =
            Aleatorio(2) ? MetodoResta::SumarAlSustraendo : MetodoResta::RestarAlMinuendo;
        const Operacion op = RestaConPrestamo::Sortear(cuatro ? 4 : 3);
        Filas(op);
        RestaConPrestamo resta;
        resta.Empezar(op, fila.paso.metodo, MarcarLlevadas::Nunca);
        for (int c = 1; c <= op.columnas;) {
            const int32_t bien = resta.Resultado(c - 1);
            const int32_t t = Teclear(bien, 10);
            Paso(PasoJuzgado::Que::Cifra, c, bien, t);
            if (t == bien) ++c;
        }
    }

    void Mental() {
        fila.paso.ventana = VentanaCmental1;
        fila.paso.suma = Aleatorio(2);
        fila.paso.n_operandos = 3;
        AjustesMental a;
        a.limite1 = 100;
        a.limite2 = 50;
        a.incognita = Incognita(Aleatorio(3));
        const CuentaMental c =
            SortearCuentaMental(fila.paso.suma ? TipoMental::Sumas : TipoMental::Restas, a);
        fila.paso.operandos = {c.primero, c.segundo, c.resultado, 0};
        fila.paso.incognita = int(a.incognita);
        const int32_t bien = ValorIncognita(c, a.incognita);
        for (int32_t t = -1; t != bien;) {
            t = Teclear(bien, 200);
            Paso(PasoJuzgado::Que::RespuestaMental, 0, bien, t);
        }
    }
};

inline std::vector<PasoDiario> Escuela() {
    SembrarAzar(7);
    Diario d;
    d.pasos.reserve(kPasos + 16);
    d.fila.hora = 1767225600000; // 2026-01-01
    for (int64_t operacion = 1; d.pasos.size() < kPasos; ++operacion) {
        const int nino = Aleatorio(kNinos);
        d.fila.jugador = QStringLiteral("Niño %1").arg(nino + 1);
        d.fila.ordenador = QStringLiteral("aula-%1").arg(nino % 3 + 1);
        d.fila.sesion = QStringLiteral("sesion-%1").arg(nino % 3 + 1);
        d.fila.paso.operacion = operacion;
        d.primero = true;
        switch (Aleatorio(3)) {
        case 0:
            d.Suma();
            break;
        case 1:
            d.Resta();
            break;
        default:
            d.Mental();
            break;
        }
    }
    d.pasos.resize(kPasos);
    return d.pasos;
}

} // namespace escuela
