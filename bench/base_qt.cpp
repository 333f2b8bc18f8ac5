// The start-up baseline: a bare Qt Widgets program that does what the game
// must do before its first paint and nothing more. One main window with a
// menu bar, shown maximised, and as many hidden windows as the game creates
// (the first argument, which medir.sh takes from `zifra_bench ventanas`).
// It ends at the first paint of the main window, as zifra does with
// ZIFRA_SALIR_AL_MOSTRAR=1, so both are timed from exec to exit alike.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>

namespace {
class SalirAlPintar : public QObject {
public:
    explicit SalirAlPintar(QWidget* ventana) : ventana_(ventana) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == ventana_) {
            qApp->removeEventFilter(this);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    QWidget* ventana_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int ocultas = argc > 1 ? std::atoi(argv[1]) : 0;

    QMainWindow principal;
    principal.setWindowTitle(QStringLiteral("Base"));
    for (const char* titulo : {"&Opciones", "&Jugar", "&Ayuda"}) {
        QMenu* m = principal.menuBar()->addMenu(QString::fromLatin1(titulo));
        m->addAction(QStringLiteral("Uno"));
        m->addAction(QStringLiteral("Dos"));
    }
    principal.setCentralWidget(new QLabel(QStringLiteral("Base"), &principal));
    for (int i = 0; i < ocultas; ++i) {
        auto* d = new QDialog(&principal);
        d->setWindowTitle(QStringLiteral("Oculta %1").arg(i));
    }

    SalirAlPintar salir(&principal);
    app.installEventFilter(&salir);
    principal.showMaximized();
    return app.exec();
}
