#include "worksheets/form_paginas.h"

#include "nucleo/centrar.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "worksheets/hojas.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

TForm_paginas* Form_paginas = nullptr;

namespace {
QLabel* EtiquetaPaginas(QWidget* padre, const char* nombre, const QString& texto, const QRect& r) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(r);
    return l;
}

QLineEdit* CajaPaginas(QWidget* padre, const char* nombre, const QString& texto, int maximo,
                       const QRect& r) {
    auto* e = new QLineEdit(texto, padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setMaxLength(maximo);
    e->setGeometry(r);
    return e;
}

// A decimal integer, or the fallback when the text does not read as one.
int32_t Leer(const QString& texto, int32_t si_no) {
    bool ok = false;
    const int32_t n = texto.trimmed().toInt(&ok, 10);
    return ok ? n : si_no;
}
} // namespace

TForm_paginas::TForm_paginas(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    Form_paginas = this;
    setObjectName(QStringLiteral("Form_paginas"));
    setWindowTitle(QStringLiteral("Número de páginas a imprimir"));
    setFixedSize(520, 400);
    CentrarEnPantalla(this);

    Label1 = EtiquetaPaginas(
        this, "Label1", QStringLiteral("¿ Cuántas hojas o páginas de cuentas deseas imprimir ?"),
        QRect(16, 14, 360, 22));
    Edit1 = CajaPaginas(this, "Edit1", QString(), 2, QRect(380, 12, 48, 26));
    Label1->setBuddy(Edit1);
    plataforma::PonerPista(Edit1, QStringLiteral("Número de páginas a crear e imprimir"));

    Label2 = EtiquetaPaginas(this, "Label2", QStringLiteral("Ejemplo:"), QRect(16, 48, 150, 20));
    Label_ej = EtiquetaPaginas(this, "Label_ej", QString(), QRect(16, 70, 150, 250));
    // Fixed pitch, so the digits and the "¯" lines stand in columns.
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fija.setPixelSize(14);
    Label_ej->setFont(fija);
    Label_ej->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_ej->setAutoFillBackground(true);
    QPalette blanco = Label_ej->palette();
    blanco.setColor(QPalette::Window, Qt::white);
    blanco.setColor(QPalette::WindowText, Qt::black);
    Label_ej->setPalette(blanco);
    Label_ej->setFrameShape(QFrame::Box);
    plataforma::PonerPista(Label_ej,
                           QStringLiteral("Ejemplo del tipo de cuentas que se imprimirán"));

    GroupBox1 = new QGroupBox(QStringLiteral(" Tamaño zona de impresión  "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(184, 56, 320, 130);
    plataforma::PonerPista(
        GroupBox1,
        QStringLiteral(
            "Medidas de la zona de impresión, que puede ser menor que tamaño del papel"));
    auto* ancho =
        EtiquetaPaginas(GroupBox1, "Label_ancho", QStringLiteral("Ancho :"), QRect(12, 30, 80, 24));
    Edit_ancho =
        CajaPaginas(GroupBox1, "Edit_ancho", QStringLiteral("210"), 3, QRect(96, 30, 48, 24));
    Edit_ancho->setEnabled(false);
    ancho->setBuddy(Edit_ancho);
    EtiquetaPaginas(GroupBox1, "Label_mm1", QStringLiteral("mm"), QRect(150, 30, 30, 24));
    auto* largo = EtiquetaPaginas(GroupBox1, "Label_long", QStringLiteral("Longitud : "),
                                  QRect(12, 70, 80, 24));
    Edit_long =
        CajaPaginas(GroupBox1, "Edit_long", QStringLiteral("297"), 3, QRect(96, 70, 48, 24));
    largo->setBuddy(Edit_long);
    EtiquetaPaginas(GroupBox1, "Label_mm2", QStringLiteral("mm"), QRect(150, 70, 30, 24));
    Label3 = EtiquetaPaginas(GroupBox1, "Label3", QString(), QRect(200, 20, 110, 100));
    Label3->setAlignment(Qt::AlignCenter);

    GroupBox2 = new QGroupBox(
        QStringLiteral(" Impresión de soluciones para facilitar la corrección  "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(184, 196, 320, 100);
    RadioButton_soluciones =
        new QRadioButton(QStringLiteral("Imprimir soluciones en pie de página"), GroupBox2);
    RadioButton_soluciones->setObjectName(QStringLiteral("RadioButton_soluciones"));
    RadioButton_soluciones->setGeometry(12, 28, 300, 24);
    RadioButton_soluciones->setChecked(true);
    RadioButton_no_soluciones =
        new QRadioButton(QStringLiteral("No imprimir soluciones"), GroupBox2);
    RadioButton_no_soluciones->setObjectName(QStringLiteral("RadioButton_no_soluciones"));
    RadioButton_no_soluciones->setGeometry(12, 60, 300, 24);

    xpButton1 = new QPushButton(QStringLiteral("&Ver - Imprimir"), this);
    xpButton1->setObjectName(QStringLiteral("xpButton1"));
    xpButton1->setGeometry(184, 340, 150, 36);
    xpButton1->setDefault(true);
    plataforma::PonerPista(xpButton1,
                           QStringLiteral("Previsualización de las páginas creadas para imprimir"));
    xpButton2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    xpButton2->setObjectName(QStringLiteral("xpButton2"));
    xpButton2->setGeometry(354, 340, 150, 36);
    plataforma::PonerPista(xpButton2, QStringLiteral("Salir sin imprimir"));
    connect(xpButton1, &QPushButton::clicked, this, &TForm_paginas::xpButton1Click);
    connect(xpButton2, &QPushButton::clicked, this, &TForm_paginas::xpButton2Click);
    plataforma::PublicarAccesibilidad(this);
}

TForm_paginas::~TForm_paginas() {
    if (Form_paginas == this) Form_paginas = nullptr;
}

void TForm_paginas::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_paginas::FormShow() {
    Label3->setText(QStringLiteral("Papel A4\n210 mm\nx\n297 mm"));
    Edit_long->setText(QString::number(hojas::largo_zona / 10));
    Edit1->clear();
    Edit1->setFocus();
}

PedidoHojas TForm_paginas::Pedir(const QString& muestra, QWidget* dueno) {
    Label_ej->setText(muestra);
    pedido_ = PedidoHojas{};
    if (plataforma::EjecutarModal(this, dueno) != QDialog::Accepted) return PedidoHojas{};
    return pedido_;
}

void TForm_paginas::xpButton1Click() {
    // A negative count would print nothing anyway; keep it out of the report.
    pedido_.paginas = qMax(0, Leer(Edit1->text(), 0));
    pedido_.ancho_zona = Leer(Edit_ancho->text(), 210) * 10;
    pedido_.largo_zona = Leer(Edit_long->text(), 297) * 10;
    pedido_.con_soluciones = RadioButton_soluciones->isChecked();
    // The next sheet offers the same printable size.
    hojas::ancho_zona = pedido_.ancho_zona;
    hojas::largo_zona = pedido_.largo_zona;
    accept();
}

void TForm_paginas::xpButton2Click() {
    pedido_ = PedidoHojas{};
    reject();
}
