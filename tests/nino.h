#pragma once
// A child who knows the answers: reads the digits on screen and types them
// into the real windows, the way the tests and the long play need.
#include "mental/ventanas_mentales.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace nino {

inline int Digito(const QLabel* l) {
    return l->text().toInt();
}

inline void Teclear(QLineEdit* caja, QChar c) {
    QTest::keyClick(caja, c.toLatin1());
}

// How a digit reaches its box; `bien` says whether it is the right one.
// The benchmark times each one; tests just type it.
using Tecla = std::function<void(QLineEdit* caja, int cifra, bool bien)>;

inline void TeclaSimple(QLineEdit* caja, int cifra, bool) {
    QTest::keyClick(caja, char('0' + cifra));
}

// Column by column; with `fallo` the first digit is typed wrong once first.
// Returns the digits typed wrong.
inline int ResolverColumnas(VentanaColumnas* v, bool fallo = false,
                            const Tecla& tecla = TeclaSimple) {
    const auto& d = v->Def();
    int llevada = 0;
    for (int c = 0; c < d.columnas; ++c) {
        int s = d.es_suma ? 0 : Digito(v->Cifra(0, c));
        for (int f = d.es_suma ? 0 : 1; f < d.filas; ++f)
            s += (d.es_suma ? 1 : -1) * Digito(v->Cifra(f, c));
        s += llevada;
        if (fallo && c == 0) tecla(v->Memo_res, (s + 1) % 10, false);
        tecla(v->Memo_res, s % 10, true);
        llevada = s / 10;
        if (llevada && v->Memo_mellevo && v->Memo_mellevo->isVisible())
            tecla(v->Memo_mellevo, llevada, true);
    }
    if (llevada && v->isVisible()) tecla(v->Memo_res, llevada, true);
    return fallo ? 1 : 0;
}

// By the chosen borrowing method: presses "Me llevo..." where the column
// borrows when the marks are manual (mode 2), then types the digit.
inline int ResolverResta(VentanaResta* v, int metodo, int modo, bool fallo = false) {
    const int n = v->Def().columnas;
    int lleva = 0;       // method 1: one more on the next subtrahend
    bool presta = false; // method 2: the next minuend digit was lowered
    for (int c = 0; c < n; ++c) {
        const int m = Digito(v->Cifra(0, c)), s = Digito(v->Cifra(1, c));
        const int bajado = presta ? (m == 0 ? 9 : m - 1) : m;
        const bool pide = metodo == 1 ? m < s + lleva : bajado < s;
        if (modo == 2 && pide) QTest::mouseClick(v->Color95Button_ayuda, Qt::LeftButton);
        const int r = metodo == 1 ? (m - s - lleva + 10) % 10 : (bajado - s + 10) % 10;
        if (fallo && c == 0) QTest::keyClick(v->Memo_res, char('0' + (r + 1) % 10));
        QTest::keyClick(v->Memo_res, char('0' + r));
        presta = (metodo == 2) && (pide || (presta && m == 0));
        lleva = (metodo == 1) && pide;
    }
    return fallo ? 1 : 0;
}

inline QLabel* Termino(VentanaMental* v, int i) {
    const char* nombres[3] = {v->Def().etiqueta1, v->Def().etiqueta2, "Label_resultado"};
    return v->findChild<QLabel*>(QString::fromLatin1(nombres[i]));
}

// The numbers on screen; -1 for the one under the answer box.
inline QList<int> Visibles(VentanaMental* v) {
    QList<int> t;
    for (int i = 0; i < 3; ++i)
        t << (Termino(v, i)->isVisible() ? Termino(v, i)->text().toInt() : -1);
    return t;
}

// What a child works out from the two numbers shown.
inline int Calcular(VentanaMental* v) {
    const QList<int> t = Visibles(v);
    const bool suma = v->Def().tipo == TipoMental::Sumas;
    if (t[0] < 0) return suma ? t[2] - t[1] : t[2] + t[1];
    if (t[1] < 0) return suma ? t[2] - t[0] : t[0] - t[2];
    return suma ? t[0] + t[1] : t[0] - t[1];
}

inline void Responder(VentanaMental* v, int n) {
    QTest::keyClicks(v->Memo_res, QString::number(n));
    QTest::mouseClick(v->Color95Button1, Qt::LeftButton);
}

} // namespace nino
