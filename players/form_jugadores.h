#pragma once
// "¿ Quién va a jugar ?": up to ten names at a time.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TForm_jugadores : public QDialog {
    Q_OBJECT
public:
    explicit TForm_jugadores(QWidget* parent = nullptr);
    ~TForm_jugadores() override;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit_jugador[10] = {};
    QLineEdit*& Edit_jugador1 = Edit_jugador[0];
    QPushButton* xpButton1 = nullptr; // "&Cancelar"
    QPushButton* xpButton2 = nullptr; // "&Jugar"
    QTimer* Timer_persiana = nullptr;

    void FormShow();
    void Timer_persianaTimer();
    void xpButton1Click();
    void xpButton2Click();

    // Its full size as designed, and the size it takes when set to 1 x 1.
    QSize TamanoCompleto() const { return completo_; }
    QSize TamanoPlegado() const { return plegado_; }

    // Whatever closes it, the blind rolls up first.
    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QSize completo_;
    QSize plegado_;
};

extern TForm_jugadores* Form_jugadores;
