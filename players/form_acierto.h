#pragma once
// The blue notice of every fifth finished operation: 20 points for all.
#include "players/aviso_modal.h"

class QLabel;

class TForm_Acierto : public AvisoModal {
    Q_OBJECT
public:
    explicit TForm_Acierto(QWidget* parent = nullptr);
    ~TForm_Acierto() override;

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;

    void Color95Button1Click() override;

protected:
    void FormShow() override;
};

extern TForm_Acierto* Form_Acierto;
