#pragma once
// A notice that a stray key cannot dismiss: the focus rests on an inert
// button outside the visible area, and only "&Seguir" closes it. Readers
// hear it as an alert with its text, which the inert button carries too.
#include <QDialog>

class QPushButton;

class AvisoModal : public QDialog {
    Q_OBJECT
public:
    AvisoModal(const char* nombre, const QString& titulo, const QSize& cliente, const QColor& fondo,
               QWidget* parent);

    QPushButton* Color95Button1 = nullptr; // "&Seguir"
    QPushButton* Button_nulo = nullptr;

    // "&Seguir": closes the notice unless a notice does more.
    virtual void Color95Button1Click() { Cerrar(); }
    // Its lines as they show, in one line.
    QString Texto() const;

protected:
    // Closes the notice; the only way out.
    void Cerrar();
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Runs each time the notice is shown, before the focus goes to Button_nulo.
    virtual void FormShow() {}

private:
    bool cerrando_ = false;
};
