#pragma once
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <vector>

// Where copies of a w x h picture go to cover a W x H image: the first row
// starts at (primera_x, y0), every later row at x = 1, and a row ends only
// once x has gone past W (so the last row may start just below the image,
// unseen). Empty for an empty picture.
std::vector<QPoint> PosicionesMosaico(int ancho_imagen, int alto_imagen, int w, int h,
                                      int primera_x = 0, int y0 = 0);

// A wallpaper: the picture tiled at PosicionesMosaico over a colour, drawn
// from the picture itself wherever the widget is painted. A screen-sized
// copy of the tiles cost 5 MB and some 1,300 page faults.
class MosaicoFondo : public QLabel {
public:
    explicit MosaicoFondo(QWidget* parent);
    // primera is where the first copy goes (primera_x, y0).
    void Poner(const QPixmap& dibujo, const QColor& color, const QPoint& primera = {});
    const QPixmap& Dibujo() const { return dibujo_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap dibujo_;
    QColor color_;
    QPoint primera_;
};
