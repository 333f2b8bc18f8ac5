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

    // The borrowing windows say something else for a moment, then put the
    // notice's own lines back.
    void PonerLineas(const QString& primera, const QString& segunda);
    void RestaurarLineas();
};

extern TForm_aviso_error* Form_aviso_error;
