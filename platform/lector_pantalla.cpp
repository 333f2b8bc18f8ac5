#include "platform/lector_pantalla.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

namespace plataforma {
namespace {

constexpr const char* kOculto = "zifra_oculto_al_lector";
constexpr const char* kConOcultos = "zifra_con_ocultos";
constexpr const char* kMenuBajo = "zifra_menu_bajo";

bool Marcado(const QObject* o, const char* propiedad) {
    return o->property(propiedad).toBool();
}

QAccessible::Role RolDe(const QWidget* w) {
    if (qobject_cast<const QDialog*>(w)) return QAccessible::Dialog;
    return w->isWindow() ? QAccessible::Window : QAccessible::Client;
}

// The same children Qt lists, less the hidden ones.
class ConOcultos : public QAccessibleWidget {
public:
    explicit ConOcultos(QWidget* w) : QAccessibleWidget(w, RolDe(w)) {}

    int childCount() const override { return Hijos().size(); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> hijos = Hijos();
        if (i < 0 || i >= hijos.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(hijos.at(i));
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        if (!hijo) return -1;
        return Hijos().indexOf(qobject_cast<QWidget*>(hijo->object()));
    }

private:
    QList<QWidget*> Hijos() const {
        QList<QWidget*> hijos;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !qobject_cast<QMenu*>(w) && !Marcado(w, kOculto))
                hijos.append(w);
        }
        return hijos;
    }
};

class Oculto : public QAccessibleWidget {
public:
    explicit Oculto(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

// A push button whose only child is its menu. The menu, parented to the
// button, already names the button as its parent.
class BotonDeMenu : public QAccessibleWidget {
public:
    explicit BotonDeMenu(QPushButton* b) : QAccessibleWidget(b, QAccessible::ButtonMenu) {
        addControllingSignal(QStringLiteral("clicked(bool)"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QPushButton*>(widget())->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Menu() ? 1 : 0; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 && Menu() ? QAccessible::queryAccessibleInterface(Menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        return hijo && Menu() && hijo->object() == Menu() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion == showMenuAction() || accion == pressAction())
            static_cast<QPushButton*>(widget())->click();
    }

private:
    QMenu* Menu() const {
        return widget()->findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface* Fabrica(const QString&, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (Marcado(w, kOculto)) return new Oculto(w);
    if (Marcado(w, kMenuBajo))
        if (auto* b = qobject_cast<QPushButton*>(w)) return new BotonDeMenu(b);
    if (Marcado(w, kConOcultos)) return new ConOcultos(w);
    return nullptr;
}

void Marcar(QWidget* w, const char* propiedad) {
    QAccessible::installFactory(Fabrica);
    w->setProperty(propiedad, true);
    RehacerAccesible(w);
}

} // namespace

void RehacerAccesible(QWidget* w) {
    // Qt makes a widget's interface as soon as its name or description is
    // set, reader or not: asked again, the factories decide it anew.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

void OcultarAlLector(QWidget* w) {
    Marcar(w, kOculto);
    QWidget* padre = w->parentWidget();
    if (padre && !Marcado(padre, kConOcultos)) Marcar(padre, kConOcultos);
}

void MenuBajoBoton(QPushButton* boton, QMenu* menu) {
    Marcar(boton, kMenuBajo);
    menu->setParent(boton, menu->windowFlags());
}

} // namespace plataforma
