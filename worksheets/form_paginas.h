#pragma once
// "Número de páginas a imprimir": the page count, the printable length and
// whether the answers go at the foot of each page.
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the dialog was asked for; no pages when it was cancelled.
struct PedidoHojas {
    int32_t paginas = 0;
    int32_t ancho_zona = 2100; // tenths of a millimetre
    int32_t largo_zona = 2970;
    bool con_soluciones = true;
};

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

    // Asks for the pages of the sheet whose sample is `muestra`, over `dueno`.
    PedidoHojas Pedir(const QString& muestra, QWidget* dueno = nullptr);

    void FormShow();
    void xpButton1Click();
    void xpButton2Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    PedidoHojas pedido_;
};

extern TForm_paginas* Form_paginas;
