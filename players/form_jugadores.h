#pragma once
// "¿ Quién va a jugar ?": up to ten names at a time.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

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

    void FormShow();
    void xpButton1Click();
    void xpButton2Click();

protected:
    void showEvent(QShowEvent* e) override;
};

extern TForm_jugadores* Form_jugadores;
