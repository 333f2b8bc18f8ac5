#pragma once
// A picture stretched over the whole label, as a QLabel with scaled contents
// shows it, without the two screen-ready copies such a label keeps after its
// first paint: some 1 MB for each exercise window a child has opened.
#include <QLabel>

class DibujoEstirado : public QLabel {
public:
    explicit DibujoEstirado(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* e) override;
};
