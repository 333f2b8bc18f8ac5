#include "nucleo/imagen_animada.h"

#include <QMovie>
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
    pelicula_ = new QMovie(ruta, QByteArray(), this);
    if (!pelicula_->isValid()) {
        delete pelicula_;
        pelicula_ = nullptr;
        return;
    }
    connect(pelicula_, &QMovie::frameChanged, this, &ImagenAnimada::AlCambiarCuadro);
    setMovie(pelicula_);
}

void ImagenAnimada::Empezar() {
    if (!pelicula_) return;
    pelicula_->stop();
    pelicula_->jumpToFrame(0);
    show();
    raise();
    pelicula_->start();
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
