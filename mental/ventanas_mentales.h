#pragma once
// The two mental-arithmetic windows: additions and subtractions.
#include "mental/ventana_mental.h"

class TForm_cmental1 : public VentanaMental {
    Q_OBJECT
public:
    explicit TForm_cmental1(QWidget* parent = nullptr);

    QLabel* Label_sumando1 = nullptr;
    QLabel* Label_sumando2 = nullptr;
    QMenu* M_Sumando1 = nullptr;
    QMenu* M_Sumando2 = nullptr;
    QAction* Enelsumando1 = nullptr;
    QAction* Enelsumando2 = nullptr;

    void Enelsumando1Click() { ElegirIncognita(Incognita::Primero); }
    void Enelsumando2Click() { ElegirIncognita(Incognita::Segundo); }
};

class TForm_cmental2 : public VentanaMental {
    Q_OBJECT
public:
    explicit TForm_cmental2(QWidget* parent = nullptr);

    QLabel* Label_minuendo = nullptr;
    QLabel* Label_sustraendo = nullptr;
    QMenu* M_Minuendo = nullptr;
    QMenu* M_Sustraendo = nullptr;
    QAction* Enelminuendo = nullptr;
    QAction* Enelsustraendo = nullptr;

    void EnelminuendoClick() { ElegirIncognita(Incognita::Primero); }
    void EnelsustraendoClick() { ElegirIncognita(Incognita::Segundo); }
};

extern const DefinicionMental kCmental1, kCmental2;
