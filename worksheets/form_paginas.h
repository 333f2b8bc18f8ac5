#pragma once
// "Número de páginas a imprimir": the page count, the printable length and
// whether the answers go at the foot of each page.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm_paginas : public QDialog {
    Q_OBJECT
public:
    explicit TForm_paginas(QWidget* parent = nullptr);
    ~TForm_paginas() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label_ej = nullptr; // the sample of the command
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit_ancho = nullptr;
    QLineEdit* Edit_long = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RadioButton_soluciones = nullptr;
    QRadioButton* RadioButton_no_soluciones = nullptr;
    QPushButton* xpButton1 = nullptr; // "&Ver - Imprimir"
    QPushButton* xpButton2 = nullptr; // "&Cancelar"

    void FormShow();
    void xpButton1Click();
    void xpButton2Click();

protected:
    void showEvent(QShowEvent* e) override;
};

extern TForm_paginas* Form_paginas;
