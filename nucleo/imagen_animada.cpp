#include "nucleo/imagen_animada.h"

#include "nucleo/dibujos.h"

#include <QMovie>
#include <QPainter>
#include <QTimer>
#include <algorithm>

ImagenAnimada::ImagenAnimada(const QString& nombre, QWidget* parent) : QLabel(parent) {
    setObjectName(nombre);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setScaledContents(true);
    hide();
}

void ImagenAnimada::Cargar(const QString& ruta) {
    delete pelicula_;
    pelicula_ = new QMovie(RutaParaPantalla(ruta), QByteArray(), this);
    // A right header is all isValid() checks; a copy with no frame is broken too.
    if ((!pelicula_->isValid() || pelicula_->frameCount() <= 0) && pelicula_->fileName() != ruta) {
        // A broken "@2x" copy: the ordinary one still plays.
        delete pelicula_;
        pelicula_ = new QMovie(ruta, QByteArray(), this);
    }
    if (!pelicula_->isValid()) {
        delete pelicula_;
        pelicula_ = nullptr;
        return;
    }
    connect(pelicula_, &QMovie::frameChanged, this, &ImagenAnimada::AlCambiarCuadro);
    // Painted here rather than through setMovie(): QLabel scales a movie's
    // frame to the label's size in device-independent pixels, which throws
    // away half of a "@2x" frame's pixels.
    connect(pelicula_, &QMovie::updated, this, [this] { update(); });
}

void ImagenAnimada::paintEvent(QPaintEvent*) {
    if (!pelicula_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(contentsRect(), pelicula_->currentPixmap());
}

void ImagenAnimada::Empezar() {
    if (!pelicula_) return;
    pelicula_->stop();
    pelicula_->jumpToFrame(0);
    show();
    raise();
    pelicula_->start();
}

void ImagenAnimada::Parar() {
    if (pelicula_) pelicula_->stop();
    hide();
}

bool ImagenAnimada::Animando() const {
    return pelicula_ && pelicula_->state() == QMovie::Running;
}

void ImagenAnimada::AlCambiarCuadro(int cuadro) {
    if (pelicula_->frameCount() > 0 && cuadro == pelicula_->frameCount() - 1) {
        pelicula_->stop();
        // Let the last picture be seen for its own time before resting.
        QTimer::singleShot(std::max(pelicula_->nextFrameDelay(), 0), this, [this] {
            if (!Animando()) hide();
        });
        emit vueltaCompleta();
    }
}
