#pragma once
// An animated GIF that plays once each time it is started, and is hidden
// while it rests so that it never covers the controls beneath it. On a
// scaled screen it plays the "@2x" copy, drawn pixel for pixel.
#include <QLabel>

class QMovie;

class ImagenAnimada : public QLabel {
    Q_OBJECT
public:
    ImagenAnimada(const QString& nombre, QWidget* parent);
    // A missing or broken file leaves the image empty; starting it then does nothing.
    void Cargar(const QString& ruta);
    void Empezar();
    // Stops where it is and hides.
    void Parar();
    bool Animando() const;

signals:
    void vueltaCompleta();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void AlCambiarCuadro(int cuadro);
    QMovie* pelicula_ = nullptr;
};
