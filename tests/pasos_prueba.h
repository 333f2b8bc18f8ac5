#pragma once
// Journal steps written by hand for the tests: a written or mental step
// from its operation as text, and a child's journal operation by operation
// in a little language.
#include "aprendizaje/paso.h"

#include <QDateTime>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

using Que = PasoJuzgado::Que;
constexpr MetodoResta M1 = MetodoResta::SumarAlSustraendo;
constexpr MetodoResta M2 = MetodoResta::RestarAlMinuendo;

// A written step: "456+378" or "1300-522", rows as numbers, in a window of
// the code given; as many columns as the longest row.
inline PasoJuzgado Escrito(int32_t ventana, const QString& cuenta, Que que, int columna,
                           int32_t tecleado, int32_t correcto, MetodoResta metodo = M1) {
    PasoJuzgado p;
    p.ventana = ventana;
    p.que = que;
    p.columna = columna;
    p.tecleado = tecleado;
    p.correcto = correcto;
    p.acierto = tecleado == correcto;
    p.suma = cuenta.contains(u'+');
    p.metodo = metodo;
    const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
    p.n_operandos = int(filas.size());
    for (int f = 0; f < p.n_operandos; ++f) {
        p.operandos[f] = filas[f].toInt();
        p.columnas = std::max(p.columnas, int(filas[f].size()));
    }
    return p;
}

// A mental step: "5+[7]=12", the hidden term in brackets.
inline PasoJuzgado Mental(const QString& cuenta, int32_t tecleado) {
    static const QRegularExpression forma(
        QStringLiteral(R"(^(\[?\d+\]?)([+-])(\[?\d+\]?)=(\[?\d+\]?)$)"));
    const QRegularExpressionMatch m = forma.match(cuenta);
    Q_ASSERT(m.hasMatch());
    PasoJuzgado p;
    p.ventana = VentanaCmental1;
    p.que = Que::RespuestaMental;
    p.suma = m.captured(2) == QLatin1String("+");
    p.n_operandos = 3;
    const int grupos[3] = {1, 3, 4};
    for (int i = 0; i < 3; ++i) {
        QString t = m.captured(grupos[i]);
        if (t.startsWith(u'[')) {
            p.incognita = i;
            t = t.mid(1, t.size() - 2);
        }
        p.operandos[i] = t.toInt();
    }
    p.correcto = p.operandos[p.incognita];
    p.tecleado = tecleado;
    p.acierto = tecleado == p.correcto;
    return p;
}

// A journal written operation by operation, each typed try a row.
struct Diario {
    std::vector<PasoDiario> pasos;
    QString jugador = QStringLiteral("Ana");
    QString ordenador = QStringLiteral("aula-1");
    QString sesion = QStringLiteral("s1");
    int64_t hora = QDateTime(QDate(2026, 3, 2), QTime(9, 0)).toMSecsSinceEpoch();
    int64_t operacion = 0;

    void Nueva() { ++operacion; }
    void Poner(PasoJuzgado p, bool primer_intento) {
        p.operacion = operacion;
        PasoDiario d;
        d.paso = p;
        d.hora = hora += 1000;
        d.ordenador = ordenador;
        d.sesion = sesion;
        d.jugador = jugador;
        d.primer_intento = primer_intento;
        pasos.push_back(d);
    }
    // The tries at each column, units first; the last of each is right.
    void Columnas(int32_t ventana, const QString& cuenta, MetodoResta metodo,
                  const QList<QList<int>>& intentos) {
        Nueva();
        const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
        const bool suma = cuenta.contains(u'+');
        int resultado =
            suma ? filas[0].toInt() + filas[1].toInt() : filas[0].toInt() - filas[1].toInt();
        for (int c = 1; c <= intentos.size(); ++c, resultado /= 10) {
            const QList<int>& columna = intentos[c - 1];
            for (int i = 0; i < columna.size(); ++i)
                Poner(Escrito(ventana, cuenta, Que::Cifra, c, columna[i], resultado % 10, metodo),
                      i == 0);
        }
    }
    // One operation in a little language, for a child who forgets the loan
    // in 143 - 28 (method 1), where the tens are due 1:
    //   X  shows it: the tens typed 2 first, then 1
    //   .  a clean opportunity: all right at the first try
    //   o  wrong another way: the tens typed 7 first
    //   l  the pattern only at a later try: 7, then 2, then 1
    //   m  "Me llevo..." pressed in the tens, where nothing is borrowed; the rest right
    //   D  shows it twice in one operation: 1300 - 522, tens and hundreds typed 8
    //   -  no opportunity: 123 + 456, no carries
    void Escribir(const QString& operaciones) {
        for (QChar c : operaciones) {
            const int32_t resta = VentanaRestas4b;
            switch (c.toLatin1()) {
            case 'X':
                Columnas(resta, QStringLiteral("143-28"), M1, {{5}, {2, 1}, {1}});
                break;
            case '.':
                Columnas(resta, QStringLiteral("143-28"), M1, {{5}, {1}, {1}});
                break;
            case 'o':
                Columnas(resta, QStringLiteral("143-28"), M1, {{5}, {7, 1}, {1}});
                break;
            case 'l':
                Columnas(resta, QStringLiteral("143-28"), M1, {{5}, {7, 2, 1}, {1}});
                break;
            case 'm': {
                Columnas(resta, QStringLiteral("143-28"), M1, {{5}, {1}, {1}});
                PasoJuzgado boton =
                    Escrito(resta, QStringLiteral("143-28"), Que::MeLlevo, 2, -1, 0);
                boton.acierto = false;
                Poner(boton, true);
                break;
            }
            case 'D':
                Columnas(VentanaRestas5, QStringLiteral("1300-522"), M1,
                         {{8}, {8, 7}, {8, 7}, {0}});
                break;
            case '-':
                Columnas(VentanaSumas3b, QStringLiteral("123+456"), M1, {{9}, {7}, {5}});
                break;
            default:
                Q_ASSERT(false);
            }
        }
    }
};
