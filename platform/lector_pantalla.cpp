#include "platform/lector_pantalla.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

namespace plataforma {
namespace {

enum Marca { kOculto = 1, kConOcultos = 2, kMenuBajo = 4 };

// Qt asks the factories about every object it reads: a lookup by address,
// not a property by name walking the class's properties.
QHash<const QObject*, int>& Marcas() {
    static QHash<const QObject*, int> marcas;
    return marcas;
}

bool Marcado(const QObject* o, Marca marca) {
    return Marcas().value(o) & marca;
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

void Marcar(QWidget* w, Marca marca) {
    QAccessible::installFactory(Fabrica);
    int& marcas = Marcas()[w];
    if (!marcas) QObject::connect(w, &QObject::destroyed, [](QObject* o) { Marcas().remove(o); });
    marcas |= marca;
    RehacerAccesible(w);
}

void Rehacer(QWidget* w) {
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

// Nothing reads a window before it shows: its interfaces are redone then,
// which keeps the work off the start-up of windows made hidden.
class AlMostrarse : public QObject {
public:
    explicit AlMostrarse(QWidget* ventana) : QObject(ventana) {
        setObjectName(QStringLiteral("zifra_rehacer_al_mostrarse"));
        ventana->installEventFilter(this);
    }
    void Anadir(QWidget* w) { pendientes_.append(w); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o == parent()) {
            o->removeEventFilter(this);
            for (const QPointer<QWidget>& w : std::as_const(pendientes_))
                if (w) Rehacer(w);
            pendientes_.clear();
            deleteLater();
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> pendientes_;
};

} // namespace

void RehacerAccesible(QWidget* w) {
    // Qt makes a widget's interface as soon as its name or description is
    // set, reader or not: asked again, the factories decide it anew.
    QWidget* ventana = w->window();
    if (ventana->isVisible()) {
        Rehacer(w);
        return;
    }
    // Found by its name (it has no meta-object of its own to be cast by).
    auto* espera = static_cast<AlMostrarse*>(ventana->findChild<QObject*>(
        QStringLiteral("zifra_rehacer_al_mostrarse"), Qt::FindDirectChildrenOnly));
    if (!espera) espera = new AlMostrarse(ventana);
    espera->Anadir(w);
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
