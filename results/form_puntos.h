#pragma once
// "Control de puntuaciones": the ten best scores, with the rows won by the
// current players in red.
#include "results/mejores.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

class TForm_puntos : public QDialog {
    Q_OBJECT
public:
    explicit TForm_puntos(QWidget* parent = nullptr);
    ~TForm_puntos() override;

    QLabel* Label_j[resultados::kFilasMejores] = {}; // Label_j1 .. Label_j10
    QLabel* Label_p[resultados::kFilasMejores] = {}; // Label_p1 .. Label_p10
    QPushButton* Color95Button_guardar = nullptr;    // "&Guardar lista"
    QPushButton* Color95Button_cerrar = nullptr;     // "&Cerrar"
    QTimer* Timer_persiana = nullptr;

    void FormShow();
    void Timer_persianaTimer();
    void Color95Button_guardarClick();
    void Color95Button_cerrarClick();

    const resultados::TablaMejores& Mejores() const { return mejores_; }
    QSize TamanoCompleto() const { return completo_; }

    // Whatever closes it, the blind rolls up first (FormClose).
    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void MostrarLista();

    resultados::TablaMejores mejores_;
    QSize completo_;
    QSize plegado_;
};

extern TForm_puntos* Form_puntos;

// Main-menu command Los10mejoresjugadores1Click.
void AbrirLosDiezMejores();
