#pragma once
// What every exercise window shares: its code in the registry, its totals
// "por todos los jugadores" (cleared by a new game), the clock of an
// operation, the booking of each right and wrong answer, closing that stops
// the clock, and the key filter of its answer boxes.
#include "nucleo/anuncios.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;

// Empties an answer box and forgets its undo history: clear() keeps every
// keystroke for Ctrl+Z, which piles up over an afternoon of play.
void VaciarCaja(QLineEdit* caja);

class VentanaDeEjercicio : public QDialog {
    Q_OBJECT
public:
    VentanaDeEjercicio(const char* nombre, const char* titulo, int32_t codigo, QWidget* parent);

    int aciertos = 0; // for all players together
    int fallos = 0;
    QLabel* Label_aciertos = nullptr;
    QLabel* Label_fallos = nullptr;

    virtual void FormShow() = 0;
    virtual void FormClose();
    void reject() override;

protected:
    // The two totals frames at left 25, 116 x 71, inside `padre`.
    void CrearTotales(QWidget* padre, int top_aciertos, int top_fallos);
    void MostrarTotales();
    // The totals' blue and red, darker in high contrast.
    void ColorearTotales();
    // A new operation: its clock from 0, and its number announced.
    void EmpezarReloj();
    // A right or wrong answer: the window's total, the current player's
    // record and points, and the step announced.
    void ContarAcierto(const PasoJuzgado& paso);
    void ContarFallo(const PasoJuzgado& paso);
    // A step judged but not booked (a digit waiting for its carry).
    void AnunciarPaso(const PasoJuzgado& paso);
    // The step asked for now (nueva: the operation's first, just shown).
    void AnunciarPedido(PasoJuzgado::Que que, int columna, bool nueva, bool marcado = false);
    // This window's step of that kind and column, on the operation on screen.
    PasoJuzgado Paso(PasoJuzgado::Que que, int columna, bool acierto, int32_t correcto = 0,
                     int32_t tecleado = -1) const;
    // The operation on screen, as the steps carry it.
    virtual void DescribirOperacion(PasoJuzgado& paso) const = 0;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Handed every key of the answer boxes: only the digits and Backspace pass.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int32_t codigo_;
    int64_t operacion_ = 0;
};
