#pragma once
// The worked example inside an exercise window: the window shows the
// example's operation, and each press of "Siguiente paso" (or Enter) writes
// one more column with the game's own digits, carries and marks and its
// sentence underneath. "Ya lo sé" leaves it at once.
#include "aprendizaje/ejemplo_resuelto.h"

#include <QSize>
#include <QWidget>
#include <functional>

class QDialog;
class QLabel;
class QPushButton;
class VentanaColumnas;
class VentanaMental;

class PanelEjemplo : public QWidget {
    Q_OBJECT
public:
    // al_terminar runs once, after the last step or "Ya lo sé", when the
    // window is back to its own size; not when the window is closed first.
    // A column window shows the example's operation already.
    PanelEjemplo(VentanaColumnas* ventana, std::vector<PasoEjemplo> pasos,
                 std::function<void()> al_terminar);
    // A mental window shows the example's line; the hidden term appears at
    // the last step.
    PanelEjemplo(VentanaMental* ventana, std::vector<PasoEjemplo> pasos,
                 std::function<void()> al_terminar);

    QLabel* Label_paso = nullptr;
    QPushButton* Button_siguiente = nullptr;
    QPushButton* Button_yalose = nullptr;

    int Paso() const { return paso_; } // -1 before the first step
    int Pasos() const { return int(pasos_.size()); }
    void SiguientePaso();
    void Terminar();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    PanelEjemplo(QDialog* ventana, std::vector<PasoEjemplo> pasos,
                 std::function<void()> al_terminar);
    void Empezar(const QString& primera);
    void Mostrar(const PasoEjemplo& p);
    void MostrarColumnas(const PasoEjemplo& p);
    void Quitar();

    QDialog* ventana_;
    VentanaColumnas* columnas_ = nullptr;
    VentanaMental* mental_ = nullptr;
    std::vector<PasoEjemplo> pasos_;
    std::function<void()> al_terminar_;
    QSize tamano_; // the window's own
    int paso_ = -1;
    bool quitado_ = false;
};
