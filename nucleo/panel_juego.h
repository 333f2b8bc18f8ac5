#pragma once
// One of the five big play panels: a coloured gradient with a centred
// label, pressed in while the mouse is down. A click runs its command, and
// so do Space and Enter when it has the focus: readers see a button.
#include <QFrame>

class QLabel;

class PanelJuego : public QFrame {
    Q_OBJECT
public:
    enum class Bisel { Ninguno, Hundido, Levantado };

    PanelJuego(const QString& nombre, const QColor& fondo, QLabel* etiqueta, QWidget* parent);
    Bisel bisel() const { return bisel_; }
    QLabel* Etiqueta() const { return etiqueta_; }
    // `liso`: one flat colour and a thicker border, for high contrast.
    void PonerFondo(const QColor& fondo, bool liso);

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QColor fondo_;
    bool liso_ = false;
    QLabel* etiqueta_;
    Bisel bisel_ = Bisel::Ninguno;
};
