#pragma once
// The crossing-out of a minuend digit that lends: one thin diagonal stroke,
// as a teacher's pen makes it, so the digit under it can still be read. Its
// text stays "X" for screen readers; the stroke is drawn instead.
#include <QLabel>

class Tachon : public QLabel {
    Q_OBJECT
public:
    Tachon(const QString& nombre, QWidget* padre, const QRect& r, const QColor& color);
    // High contrast wants it darker and thicker.
    void FijarColor(const QColor& color, bool grueso);
    QColor Color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor color_;
    bool grueso_ = false;
};
