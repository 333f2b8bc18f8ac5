#pragma once
// One of the five big play panels: a coloured gradient with a centred
// label, pressed in while the mouse is down. A click runs its command.
#include <QFrame>

class QLabel;

class PanelJuego : public QFrame {
    Q_OBJECT
public:
    enum class Bisel { Ninguno, Hundido, Levantado };

    PanelJuego(const QString& nombre, const QColor& fondo, QLabel* etiqueta, QWidget* parent);
    Bisel bisel() const { return bisel_; }

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor fondo_;
    Bisel bisel_ = Bisel::Ninguno;
};
