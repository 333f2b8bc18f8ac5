#include "players/efectos_cara.h"

namespace {
// Sizes may step below zero on the way out; the window shows them as empty.
struct Marco {
    int left = 0, top = 0, width = 0, height = 0;
    QRect Rect() const { return QRect(left, top, width, height); }
};
} // namespace

std::vector<QRect> PasosEntrada(int efecto, int W, int H, int w, int h) {
    Marco m;
    std::vector<QRect> pasos;
    // An empty face would never reach the end of the screen.
    if (w <= 0 || h <= 0) return pasos;
    switch (efecto) {
    case 1:
    case 3:
        m = {0, H, W + w, H + h};
        pasos.push_back(m.Rect());
        while (m.top > 0) {
            m.top -= h;
            pasos.push_back(m.Rect());
        }
        break;
    case 2:
        m = {H, 0, W + w, H + h}; // starts at the screen's height, as it always has
        pasos.push_back(m.Rect());
        while (m.left > 0) {
            m.left -= w;
            pasos.push_back(m.Rect());
        }
        break;
    case 4:
        m = {0, 0, W + w, 0};
        pasos.push_back(m.Rect());
        while (m.height < H) {
            m.height += h;
            pasos.push_back(m.Rect());
        }
        break;
    case 5:
        m = {W, 0, 0, 0};
        pasos.push_back(m.Rect());
        while (m.left > 0) {
            m.width += w;
            m.left -= w;
            m.height += h;
            pasos.push_back(m.Rect());
        }
        break;
    case 6:
        m = {0, H, 0, H + h};
        pasos.push_back(m.Rect());
        while (m.width < W) {
            m.width += w;
            if (m.top > 0) m.top -= h;
            pasos.push_back(m.Rect());
        }
        break;
    case 7:
        m = {W, H, W + w, H + h};
        pasos.push_back(m.Rect());
        while (m.left > 0) {
            m.left -= w;
            if (m.top > 0) m.top -= h;
            pasos.push_back(m.Rect());
        }
        break;
    default:
        m = {0, 0, 0, 0};
        pasos.push_back(m.Rect());
        while (m.width < W) {
            m.width += w;
            m.height += h;
            pasos.push_back(m.Rect());
        }
        break;
    }
    return pasos;
}

std::vector<QRect> PasosSalida(int efecto, QRect desde, int W, int H, int w, int h) {
    Marco m{desde.left(), desde.top(), desde.width(), desde.height()};
    std::vector<QRect> pasos;
    if (w <= 0 || h <= 0) return pasos;
    switch (efecto) {
    case 1:
    case 3:
        while (m.top < H) {
            m.top += h;
            pasos.push_back(m.Rect());
        }
        break;
    case 2:
        while (m.left < W) {
            m.left += w;
            pasos.push_back(m.Rect());
        }
        break;
    case 4:
        while (m.height >= 1) {
            m.height -= h;
            pasos.push_back(m.Rect());
        }
        break;
    case 5:
        while (m.height > 0) {
            m.left += w;
            m.height -= h;
            pasos.push_back(m.Rect());
        }
        break;
    case 6:
        while (m.width >= 1) {
            m.width -= w;
            m.top += h;
            pasos.push_back(m.Rect());
        }
        break;
    case 7:
        while (m.left < W) {
            m.left += w;
            m.top += h;
            pasos.push_back(m.Rect());
        }
        break;
    default:
        while (m.width >= 1) {
            m.width -= w;
            m.height -= h;
            pasos.push_back(m.Rect());
        }
        break;
    }
    return pasos;
}
