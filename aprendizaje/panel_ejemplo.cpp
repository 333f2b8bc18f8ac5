#include "aprendizaje/panel_ejemplo.h"

#include "mental/ventana_mental.h"
#include "nucleo/anuncios.h"
#include "nucleo/juego.h"
#include "platform/accesibilidad.h"
#include "written/ventana_resta.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kAlto = 110;
constexpr TipoMarca kMarcas[] = {TipoMarca::Ayuda, TipoMarca::Ayuda2, TipoMarca::Mas1,
                                 TipoMarca::Koru, TipoMarca::Menos1};

} // namespace

PanelEjemplo::PanelEjemplo(VentanaColumnas* ventana, std::vector<PasoEjemplo> pasos,
                           std::function<void()> al_terminar)
    : PanelEjemplo(static_cast<QDialog*>(ventana), std::move(pasos), std::move(al_terminar)) {
    columnas_ = ventana;
    // Nothing to type while the example plays.
    columnas_->Memo_res->hide();
    if (columnas_->Memo_mellevo) columnas_->Memo_mellevo->hide();
    if (auto* r = qobject_cast<VentanaResta*>(columnas_)) r->Color95Button_ayuda->hide();
    Empezar(QStringLiteral("Mira cómo se hace, columna a columna."));
}

PanelEjemplo::PanelEjemplo(VentanaMental* ventana, std::vector<PasoEjemplo> pasos,
                           std::function<void()> al_terminar)
    : PanelEjemplo(static_cast<QDialog*>(ventana), std::move(pasos), std::move(al_terminar)) {
    mental_ = ventana;
    mental_->Memo_res->hide();
    mental_->Color95Button1->hide();
    Empezar(QStringLiteral("Mira cómo se piensa."));
}

PanelEjemplo::PanelEjemplo(QDialog* ventana, std::vector<PasoEjemplo> pasos,
                           std::function<void()> al_terminar)
    : QWidget(ventana), ventana_(ventana), pasos_(std::move(pasos)),
      al_terminar_(std::move(al_terminar)), tamano_(ventana->size()) {
    setObjectName(QStringLiteral("Panel_ejemplo"));
    setAccessibleName(QStringLiteral("Ejemplo resuelto"));
    setAccessibleDescription(QStringLiteral("Una cuenta resuelta paso a paso antes de practicar"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
    setPalette(p);
    ventana_->setFixedSize(tamano_.width(), tamano_.height() + kAlto);
    setGeometry(0, tamano_.height(), tamano_.width(), kAlto);

    Label_paso = new QLabel(this);
    Label_paso->setObjectName(QStringLiteral("Label_paso"));
    Label_paso->setAccessibleName(QStringLiteral("Paso del ejemplo"));
    Label_paso->setAccessibleDescription(QStringLiteral("Lo que se hace en este paso"));
    Label_paso->setWordWrap(true);
    QFont f = Label_paso->font();
    f.setPixelSize(17);
    Label_paso->setFont(f);
    Label_paso->setGeometry(12, 6, tamano_.width() - 24, 60);
    Button_siguiente =
        plataforma::BotonConPista(this, "Button_siguiente", QStringLiteral("&Siguiente paso"),
                                  QStringLiteral("Ver el paso siguiente del ejemplo (Intro)"));
    Button_yalose =
        plataforma::BotonConPista(this, "Button_yalose", QStringLiteral("&Ya lo sé"),
                                  QStringLiteral("Dejar el ejemplo y empezar a practicar"));
    Button_siguiente->setAccessibleName(QStringLiteral("Siguiente paso"));
    Button_yalose->setAccessibleName(QStringLiteral("Ya lo sé"));
    Button_siguiente->setGeometry(tamano_.width() - 290, kAlto - 40, 150, 32);
    Button_yalose->setGeometry(tamano_.width() - 130, kAlto - 40, 118, 32);
    Button_siguiente->setDefault(true);
    connect(Button_siguiente, &QPushButton::clicked, this, &PanelEjemplo::SiguientePaso);
    connect(Button_yalose, &QPushButton::clicked, this, &PanelEjemplo::Terminar);
}

void PanelEjemplo::Empezar(const QString& primera) {
    juego.contando_tiempo = false; // no clock while the example plays
    Mostrar(PasoEjemplo{});
    Label_paso->setText(primera);
    DecirEnVozAlta(primera);
    ventana_->installEventFilter(this);
    show();
    raise();
    Button_siguiente->setFocus();
}

void PanelEjemplo::Mostrar(const PasoEjemplo& p) {
    if (columnas_) MostrarColumnas(p);
    if (mental_) {
        // The hidden term, under the answer box, shows at the last step.
        const int oculto = mental_->Oculto();
        const char* nombres[3] = {mental_->Def().etiqueta1, mental_->Def().etiqueta2,
                                  "Label_resultado"};
        if (auto* l = mental_->findChild<QLabel*>(QLatin1String(nombres[oculto]))) {
            const bool ultimo = paso_ + 1 == Pasos() && paso_ >= 0;
            const int32_t valores[3] = {mental_->Cuenta().primero, mental_->Cuenta().segundo,
                                        mental_->Cuenta().resultado};
            l->setText(ultimo ? QString::number(valores[oculto]) : QStringLiteral("?"));
            l->show();
        }
    }
    Label_paso->setText(p.frase);
}

void PanelEjemplo::MostrarColumnas(const PasoEjemplo& p) {
    VentanaColumnas* ventana_ = columnas_;
    for (int c = 0; c <= kMaxColumnas; ++c) {
        QLabel* l = c < kMaxColumnas ? ventana_->Label_res[c] : nullptr;
        if (!l) continue;
        l->setText(p.resultado[c] >= 0 ? QString::number(p.resultado[c]) : QString());
        l->setVisible(p.resultado[c] >= 0);
        if (QLabel* m = ventana_->Label_mellevo[c]) {
            m->setText(QString::number(p.llevada[c]));
            m->setVisible(p.llevada[c] > 0);
        }
    }
    if (auto* r = qobject_cast<VentanaResta*>(ventana_)) {
        for (TipoMarca t : kMarcas)
            for (int c = 0; c < kMaxColumnas; ++c)
                if (QLabel* l = r->Marca(t, c)) l->hide();
        for (const PasoMarca& m : p.marcas)
            if (QLabel* l = r->Marca(m.marca, m.columna)) {
                l->show();
                l->raise();
            }
    }
}

void PanelEjemplo::SiguientePaso() {
    if (paso_ + 1 >= Pasos()) {
        Terminar();
        return;
    }
    ++paso_;
    Mostrar(pasos_[size_t(paso_)]);
    DecirEnVozAlta(pasos_[size_t(paso_)].frase);
    if (paso_ + 1 == Pasos()) Button_siguiente->setText(QStringLiteral("&Ahora tú"));
    Button_siguiente->setFocus();
}

void PanelEjemplo::Quitar() {
    if (quitado_) return;
    quitado_ = true;
    ventana_->removeEventFilter(this);
    ventana_->setFixedSize(tamano_);
    // The column windows show their boxes with each new operation; the mental one keeps them.
    if (mental_) {
        mental_->Memo_res->show();
        mental_->Color95Button1->show();
    }
    hide();
    deleteLater();
}

void PanelEjemplo::Terminar() {
    if (quitado_) return;
    Quitar();
    if (al_terminar_) al_terminar_();
}

bool PanelEjemplo::eventFilter(QObject* o, QEvent* e) {
    // The window closed under the example: it goes, and no exercise follows.
    if (o == ventana_ && e->type() == QEvent::Hide) Quitar();
    return QWidget::eventFilter(o, e);
}
