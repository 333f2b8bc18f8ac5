#include "aprendizaje/informe_clase_impreso.h"
#include "aprendizaje/letra_impresa.h"

#include "aprendizaje/graficos.h"
#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/patrones.h"
#include "aprendizaje/textos_diagnostico.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

const QString kTituloInformeClase = QStringLiteral("Informe de la clase");

QString TextoFechas(const QDate& desde, const QDate& hasta) {
    if (desde.isNull() && hasta.isNull()) return QStringLiteral("Todo el diario");
    if (hasta.isNull()) return QStringLiteral("Desde el %1").arg(TextoFecha(desde));
    if (desde.isNull()) return QStringLiteral("Hasta el %1").arg(TextoFecha(hasta));
    if (desde == hasta) return QStringLiteral("El %1").arg(TextoFecha(desde));
    return QStringLiteral("Del %1 al %2").arg(TextoFecha(desde), TextoFecha(hasta));
}

namespace {

constexpr qreal kMargenClaseMm = 18;

// The patterns that showed for some child, in table order: the map's columns.
std::vector<const Patron*> Columnas(const InformeClase& informe) {
    std::vector<const Patron*> columnas;
    for (const Patron& p : Patrones())
        for (const NinoInforme& n : informe.ninos)
            if (CeldaDe(n, p).hay) {
                columnas.push_back(&p);
                break;
            }
    return columnas;
}

class PaginasClase {
public:
    PaginasClase(QPrinter& impresora, QPainter& pintor) : impresora_(impresora), p_(pintor) {
        mm_ = impresora.logicalDpiY() / 25.4;
        const QRectF hoja(QPointF(0, 0), QSizeF(impresora.width(), impresora.height()));
        zona_ = hoja.adjusted(kMargenClaseMm * mm_, kMargenClaseMm * mm_, -kMargenClaseMm * mm_,
                              -kMargenClaseMm * mm_);
        y_ = zona_.top();
    }

    void Clase(const InformeClase& informe) {
        Texto(LetraImpresa(18, true), kTituloInformeClase);
        const int n = int(informe.ninos.size());
        Texto(LetraImpresa(11),
              QStringLiteral("%1. %2.").arg(TextoFechas(informe.desde, informe.hasta),
                                            n == 1 ? QStringLiteral("1 niño o niña")
                                                   : QStringLiteral("%1 niños y niñas").arg(n)),
              5);
        if (informe.ninos.empty()) {
            Texto(LetraImpresa(12),
                  QStringLiteral("No hay ninguna cuenta en los diarios en estas fechas."));
            return;
        }
        Texto(LetraImpresa(13, true), QStringLiteral("Toda la clase"), 2);
        TablaTotales(informe.tipos);
        y_ += 4 * mm_;
        Mapa(informe);
    }

    void Nino(const InformeClase& informe, const NinoInforme& n) {
        NuevaPagina();
        Texto(LetraImpresa(10),
              QStringLiteral("%1 · %2").arg(kTituloInformeClase,
                                            TextoFechas(informe.desde, informe.hasta)),
              2, QColor(90, 90, 90));
        Texto(LetraImpresa(18, true), n.nombre);
        Texto(LetraImpresa(11), TextoPeriodo(n.periodo, Total(n.tipos).totales.operaciones), 4);
        TablaTotales(n.tipos);
        y_ += 4 * mm_;
        const qreal alto = 90 * mm_;
        const DatosGrafico datos =
            DatosProgreso(n.dias, QStringLiteral("Progreso de %1").arg(n.nombre));
        if (PintarGrafico(datos, p_, QRectF(zona_.left(), y_, zona_.width(), alto)))
            y_ += alto + 5 * mm_;
        else
            Texto(LetraImpresa(10),
                  QStringLiteral("(El gráfico no se puede dibujar: falta "
                                 "libzifra_graficos.so junto al programa.)"),
                  4, QColor(90, 90, 90));
        Texto(LetraImpresa(13, true), QStringLiteral("Errores confirmados"), 2);
        bool alguno = false;
        for (const DiagnosticoPatron& p : n.diagnostico.patrones) {
            if (p.estado != EstadoPatron::Confirmado) continue;
            alguno = true;
            const QString frase = p.patron->descripcion;
            if (y_ + Alto(LetraImpresa(11, true), NombreDe(p)) + Alto(LetraImpresa(11), frase) >
                zona_.bottom())
                NuevaPagina();
            Texto(LetraImpresa(11, true), NombreDe(p), 1);
            Texto(LetraImpresa(11), QStringLiteral("%1 %2").arg(frase, TextoVeces(p)), 3);
        }
        if (!alguno)
            Texto(LetraImpresa(11), QStringLiteral("Ningún error confirmado en estas fechas."));
    }

private:
    void NuevaPagina() {
        impresora_.newPage();
        y_ = zona_.top();
    }

    qreal Alto(const QFont& f, const QString& t) const {
        return AltoParrafo(&impresora_, f, t, zona_.width());
    }

    void Texto(const QFont& f, const QString& t, qreal despues = 2, const QColor& c = Qt::black) {
        y_ += PintarParrafo(p_, &impresora_, f, t, zona_.left(), y_, zona_.width(), c) +
              despues * mm_;
    }

    // One line of cells; the first left-aligned, the rest to the right.
    void Fila(const QStringList& celdas, const std::vector<qreal>& anchos, bool negrita) {
        const QFont f = LetraImpresa(10, negrita);
        const qreal alto = QFontMetricsF(f, &impresora_).height() * 1.3;
        p_.setFont(f);
        p_.setPen(Qt::black);
        qreal x = zona_.left();
        for (int i = 0; i < celdas.size(); ++i) {
            const qreal ancho = anchos[size_t(i)] * mm_;
            p_.drawText(QRectF(x + mm_, y_, ancho - 2 * mm_, alto),
                        Qt::AlignVCenter | (i == 0 ? Qt::AlignLeft : Qt::AlignRight), celdas[i]);
            x += ancho;
        }
        y_ += alto;
        p_.setPen(QPen(QColor(200, 200, 200), mm_ / 5));
        p_.drawLine(QPointF(zona_.left(), y_), QPointF(x, y_));
    }

    void TablaTotales(const TotalesTipos& tipos) {
        const std::vector<qreal> anchos = {50, 25, 32, 32, 25};
        Fila({QStringLiteral("Tipo"), QStringLiteral("Cuentas"),
              QStringLiteral("Primeros intentos"), QStringLiteral("Bien a la primera"),
              QStringLiteral("Minutos")},
             anchos, true);
        for (int k = 0; k < kTiposInforme; ++k) {
            const Totales& t = tipos[size_t(k)];
            if (t.pasos == 0) continue;
            Fila({NombreTipo(k), QString::number(t.operaciones),
                  QString::number(t.primeros_intentos), TextoAcierto(t),
                  QString::number(t.Minutos())},
                 anchos, false);
        }
        const TotalClase total = Total(tipos);
        Fila({QStringLiteral("Total"), QString::number(total.totales.operaciones),
              QString::number(total.totales.primeros_intentos), TextoAcierto(total.totales),
              QString::number(total.minutos)},
             anchos, true);
    }

    // Children down, the patterns that showed across (numbered, named
    // below), each cell in its state's colour with the times it showed.
    void Mapa(const InformeClase& informe) {
        Texto(LetraImpresa(13, true), QStringLiteral("Mapa de errores"), 1);
        const std::vector<const Patron*> columnas = Columnas(informe);
        if (columnas.empty()) {
            Texto(LetraImpresa(11), QStringLiteral("Ningún error repetido en estas fechas."));
            return;
        }
        Texto(LetraImpresa(9),
              QStringLiteral("En cada casilla, las cuentas en que salió el error; el color es su "
                             "estado: rojo confirmado, naranja posible, verde superado."),
              2, QColor(90, 90, 90));
        const qreal nombre = 45 * mm_;
        const qreal ancho = std::min(12 * mm_, (zona_.width() - nombre) / qreal(columnas.size()));
        const QFont f = LetraImpresa(9), negrita = LetraImpresa(9, true);
        const qreal alto = QFontMetricsF(f, &impresora_).height() * 1.3;
        auto cabecera = [&] {
            p_.setFont(negrita);
            p_.setPen(Qt::black);
            for (size_t c = 0; c < columnas.size(); ++c)
                p_.drawText(QRectF(zona_.left() + nombre + qreal(c) * ancho, y_, ancho, alto),
                            Qt::AlignCenter, QString::number(c + 1));
            y_ += alto;
        };
        cabecera();
        for (int i : OrdenarNinos(informe, OrdenNinos::Nombre)) {
            if (y_ + alto > zona_.bottom()) {
                NuevaPagina();
                cabecera();
            }
            const NinoInforme& n = informe.ninos[size_t(i)];
            p_.setFont(f);
            p_.setPen(Qt::black);
            p_.drawText(QRectF(zona_.left(), y_, nombre - mm_, alto),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        QFontMetricsF(f, &impresora_).elidedText(n.nombre, Qt::ElideRight, nombre));
            for (size_t c = 0; c < columnas.size(); ++c) {
                const QRectF caja(zona_.left() + nombre + qreal(c) * ancho, y_, ancho, alto);
                const CeldaMapa celda = CeldaDe(n, *columnas[c]);
                p_.setPen(QPen(QColor(200, 200, 200), mm_ / 5));
                if (!celda.hay) {
                    p_.setBrush(Qt::NoBrush);
                    p_.drawRect(caja);
                    continue;
                }
                const ColoresEstado colores = ColoresDe(celda.estado);
                p_.setBrush(colores.fondo);
                p_.drawRect(caja);
                p_.setPen(colores.texto);
                p_.drawText(caja, Qt::AlignCenter, QString::number(celda.veces));
            }
            p_.setBrush(Qt::NoBrush);
            y_ += alto;
        }
        y_ += 3 * mm_;
        // The numbers' names in two columns: a class of 30 keeps to one page.
        const int filas = int(columnas.size() + 1) / 2;
        const qreal linea = QFontMetricsF(f, &impresora_).height() * 1.3;
        if (y_ + filas * linea > zona_.bottom()) NuevaPagina();
        p_.setFont(f);
        p_.setPen(Qt::black);
        for (size_t c = 0; c < columnas.size(); ++c) {
            const qreal x = zona_.left() + (int(c) < filas ? 0 : zona_.width() / 2);
            const qreal y = y_ + (int(c) % filas) * linea;
            p_.drawText(QRectF(x, y, zona_.width() / 2 - 2 * mm_, linea),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("%1. %2").arg(c + 1).arg(
                            NombrePatron(*columnas[c], MetodoResta::SumarAlSustraendo)));
        }
        y_ += filas * linea;
    }

    QPrinter& impresora_;
    QPainter& p_;
    qreal mm_ = 1;
    QRectF zona_;
    qreal y_ = 0;
};

} // namespace

bool ImprimirInformeClase(const InformeClase& informe, QPrinter& impresora) {
    impresora.setDocName(kTituloInformeClase);
    impresora.setFullPage(true);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&impresora)) return false;
    pintor.setRenderHint(QPainter::Antialiasing);
    PaginasClase paginas(impresora, pintor);
    paginas.Clase(informe);
    for (const NinoInforme& n : informe.ninos)
        paginas.Nino(informe, n);
    return pintor.end();
}
