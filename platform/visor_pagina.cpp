#include "platform/visor_pagina.h"

#include "platform/accesibilidad.h"
#include "platform/escritorio.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace plataforma {
namespace {

const QString kNombre = QStringLiteral("VisorPagina");

// A plain window, not kept on top: the child can go back to the game and
// leave the page open beside it.
class VisorPagina : public QWidget {
public:
    explicit VisorPagina(QWidget* dueno) : QWidget(dueno, Qt::Window) {
        setObjectName(kNombre);
        setAccessibleDescription(QStringLiteral("Una página de ayuda o de información del juego"));
        pagina_ = new QTextBrowser(this);
        pagina_->setObjectName(QStringLiteral("TextBrowser_pagina"));
        pagina_->setAccessibleName(QStringLiteral("Página"));
        pagina_->setOpenExternalLinks(true);
        PonerPista(pagina_, QStringLiteral("El texto de la página"));
        auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
        cerrar->setObjectName(QStringLiteral("Button_cerrar"));
        cerrar->setAccessibleName(QStringLiteral("Cerrar"));
        PonerPista(cerrar, QStringLiteral("Cierra la página y vuelve al juego"));
        connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
                &QWidget::close);

        auto* botones = new QHBoxLayout;
        botones->addStretch();
        botones->addWidget(cerrar);
        auto* todo = new QVBoxLayout(this);
        todo->addWidget(pagina_);
        todo->addLayout(botones);
        const QSize pantalla = TamanoPantalla();
        if (pantalla.isValid()) {
            resize(pantalla * 3 / 4);
            move((pantalla.width() - width()) / 2, (pantalla.height() - height()) / 2);
        }
        PublicarAccesibilidad(this);
    }

    void Mostrar(const QString& ruta) {
        const QUrl url = QUrl::fromLocalFile(ruta);
        if (!QFileInfo::exists(ruta))
            pagina_->setPlainText(
                QStringLiteral("No se encuentra la página %1.").arg(QFileInfo(ruta).fileName()));
        else if (pagina_->source() == url)
            pagina_->reload();
        else
            pagina_->setSource(url);
        const QString titulo = pagina_->documentTitle();
        setWindowTitle(titulo.isEmpty() ? QStringLiteral("Zifra Sumas y Restas") : titulo);
        show();
        raise();
        activateWindow();
        pagina_->setFocus();
    }

private:
    QTextBrowser* pagina_;
};

} // namespace

void MostrarPagina(const QString& ruta, QWidget* dueno) {
    if (AbrirDocumento(ruta)) return;
    auto* visor =
        dynamic_cast<VisorPagina*>(dueno->findChild<QWidget*>(kNombre, Qt::FindDirectChildrenOnly));
    if (!visor) visor = new VisorPagina(dueno);
    visor->Mostrar(ruta);
}

} // namespace plataforma
