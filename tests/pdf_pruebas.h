#pragma once
// What a printed PDF holds, read back with poppler's tools: page count,
// paper and orientation (pdfinfo), and how much ink a part of page 1 has
// (pdftoppm). Text is not read: cups-pdf embeds Type 3 fonts.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct InfoPdf {
    int paginas = -1;
    QSizeF puntos; // as seen, the page's rotation applied
    bool Apaisada() const { return puntos.width() > puntos.height(); }
    // Within 2 points of A4, either way round.
    bool EsA4() const {
        const QSizeF a4(595.3, 841.9);
        const QSizeF p = Apaisada() ? puntos.transposed() : puntos;
        return qAbs(p.width() - a4.width()) < 2 && qAbs(p.height() - a4.height()) < 2;
    }
    QString Texto() const {
        return QStringLiteral("%1 pages, %2 x %3 pt")
            .arg(paginas)
            .arg(puntos.width())
            .arg(puntos.height());
    }
};

inline QString SalidaDe(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline InfoPdf LeerInfoPdf(const QString& ruta) {
    InfoPdf info;
    const QString s = SalidaDe(QStringLiteral("pdfinfo"), {ruta});
    const auto paginas =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(s);
    if (paginas.hasMatch()) info.paginas = paginas.captured(1).toInt();
    const auto tamano =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                           QRegularExpression::MultilineOption)
            .match(s);
    if (tamano.hasMatch())
        info.puntos = QSizeF(tamano.captured(1).toDouble(), tamano.captured(2).toDouble());
    const auto giro = QRegularExpression(QStringLiteral("^Page rot:\\s+(\\d+)"),
                                         QRegularExpression::MultilineOption)
                          .match(s);
    if (giro.hasMatch() && giro.captured(1).toInt() % 180 == 90) info.puntos.transpose();
    return info;
}

// Page 1 at 30 dots per inch, as pdftoppm renders it.
inline QImage PrimeraPagina(const QString& ruta) {
    const QString base = ruta + QStringLiteral(".pagina1");
    SalidaDe(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
              QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
              QStringLiteral("-singlefile"), ruta, base});
    QImage imagen(base + QStringLiteral(".png"));
    QFile::remove(base + QStringLiteral(".png"));
    return imagen;
}

// Share of dark pixels in a part of the page given in fractions of its
// width and height.
inline double Tinta(const QImage& pagina, const QRectF& parte) {
    const QRect r(qRound(parte.x() * pagina.width()), qRound(parte.y() * pagina.height()),
                  qRound(parte.width() * pagina.width()), qRound(parte.height() * pagina.height()));
    int oscuros = 0, total = 0;
    for (int y = r.top(); y <= r.bottom() && y < pagina.height(); ++y)
        for (int x = r.left(); x <= r.right() && x < pagina.width(); ++x, ++total)
            if (qGray(pagina.pixel(x, y)) < 128) ++oscuros;
    return total ? double(oscuros) / total : 0.0;
}

// The longest unbroken run of dark pixels down any column of the page.
inline int RayaMasLarga(const QImage& pagina) {
    int mayor = 0;
    for (int x = 0; x < pagina.width(); ++x)
        for (int y = 0, seguidos = 0; y < pagina.height(); ++y) {
            seguidos = qGray(pagina.pixel(x, y)) < 128 ? seguidos + 1 : 0;
            mayor = qMax(mayor, seguidos);
        }
    return mayor;
}
