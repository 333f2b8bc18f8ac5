#pragma once
// The bonus window: a funny face over the whole screen, entering and
// leaving with one of eight effects.
#include <QDialog>

class QFrame;
class QLabel;
class MosaicoFondo;
class QTimer;

class TForm_muchos_aciertos : public QDialog {
    Q_OBJECT
public:
    explicit TForm_muchos_aciertos(QWidget* parent = nullptr);
    ~TForm_muchos_aciertos() override;

    MosaicoFondo* Image_fondopantalla = nullptr;
    QLabel* Image_fondopantalla_tmp = nullptr;
    QFrame* Panel_central = nullptr;
    QLabel* Image_central = nullptr;
    QTimer* Timer1 = nullptr;

    // Kept for the whole run.
    int numero_cara = 1;
    int cara_lista = 1;
    int numero_efecto = 1;

    void FormShow();
    void Timer1Timer();
    void Image_fondopantallaClick();

    // Every rectangle the window took during its last entry and exit.
    const std::vector<QRect>& Recorrido() const { return recorrido_; }

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool DibujarCara(const QString& ruta);
    void Colocar(const QRect& r);

    int w_ = 0;
    int h_ = 0;
    bool hay_cara_ = false;
    std::vector<QRect> recorrido_;
};

extern TForm_muchos_aciertos* Form_muchos_aciertos;
