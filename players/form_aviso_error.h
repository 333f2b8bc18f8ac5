#pragma once
// The red notice of a wrong answer.
#include "players/aviso_modal.h"

class QLabel;

class TForm_aviso_error : public AvisoModal {
    Q_OBJECT
public:
    explicit TForm_aviso_error(QWidget* parent = nullptr);
    ~TForm_aviso_error() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    // Shows the notice modally over `sobre`, with other lines for this once
    // when given; its own lines are back afterwards.
    int Mostrar(QWidget* sobre, const QString& primera = {}, const QString& segunda = {});
};

extern TForm_aviso_error* Form_aviso_error;
