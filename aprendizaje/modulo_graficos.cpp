// The chart module (libzifra_graficos.so): the only code that touches Qt
// Charts, opened by graficos.cpp the first time a chart is shown or
// printed. Bars: the operations of each column; lines: for each kind, the
// share of first tries right.
#include "aprendizaje/datos_grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace {

// The kinds' lines: apart from the bars' grey and from each other.
const QColor kColores[kTiposInforme] = {QColor(33, 150, 243), QColor(13, 71, 161),
                                        QColor(255, 152, 0), QColor(183, 28, 28),
                                        QColor(67, 160, 71)};

QChart* Crear(const DatosGrafico& d) {
    auto* grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setTitle(d.titulo);
    grafico->legend()->setAlignment(Qt::AlignBottom);

    auto* cuentas = new QBarSet(QStringLiteral("Cuentas"));
    cuentas->setColor(QColor(205, 205, 205));
    cuentas->setBorderColor(QColor(160, 160, 160));
    int maximo = 1;
    for (int n : d.cuentas) {
        *cuentas << n;
        maximo = std::max(maximo, n);
    }
    auto* barras = new QBarSeries;
    barras->append(cuentas);
    grafico->addSeries(barras);

    auto* eje_x = new QBarCategoryAxis;
    eje_x->append(d.columnas);
    eje_x->setLabelsAngle(d.columnas.size() > 10 ? -60 : 0);
    grafico->addAxis(eje_x, Qt::AlignBottom);
    barras->attachAxis(eje_x);
    auto* eje_cuentas = new QValueAxis;
    eje_cuentas->setTitleText(QStringLiteral("Cuentas"));
    eje_cuentas->setLabelFormat(QStringLiteral("%d"));
    eje_cuentas->setRange(0, maximo);
    eje_cuentas->applyNiceNumbers();
    grafico->addAxis(eje_cuentas, Qt::AlignRight);
    barras->attachAxis(eje_cuentas);
    auto* eje_acierto = new QValueAxis;
    eje_acierto->setTitleText(QStringLiteral("Bien a la primera (%)"));
    eje_acierto->setLabelFormat(QStringLiteral("%d"));
    eje_acierto->setRange(0, 100);
    grafico->addAxis(eje_acierto, Qt::AlignLeft);

    for (const LineaGrafico& l : d.lineas) {
        auto* linea = new QLineSeries;
        linea->setName(l.nombre);
        QPen pluma(kColores[std::clamp(l.tipo, 0, kTiposInforme - 1)]);
        pluma.setWidthF(2.5);
        linea->setPen(pluma);
        linea->setPointsVisible(true);
        for (const auto& [columna, porcentaje] : l.puntos)
            linea->append(qreal(columna), porcentaje);
        grafico->addSeries(linea);
        linea->attachAxis(eje_x);
        linea->attachAxis(eje_acierto);
    }
    return grafico;
}

} // namespace

extern "C" {

Q_DECL_EXPORT QWidget* zifra_grafico_vista(QWidget* padre) {
    auto* vista = new QChartView(padre);
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}

Q_DECL_EXPORT void zifra_grafico_poner(QWidget* vista, const DatosGrafico* datos) {
    auto* v = qobject_cast<QChartView*>(vista);
    if (!v) return;
    QChart* viejo = v->chart();
    v->setChart(Crear(*datos)); // the view lets go of the old one
    delete viejo;
}

Q_DECL_EXPORT void zifra_grafico_pintar(const DatosGrafico* datos, QPainter* pintor,
                                        const QRectF* donde) {
    // Laid out at a screen size, then scaled into place: the letters keep
    // their proportion to the page.
    const QRectF logico(0, 0, 680, 680 * donde->height() / donde->width());
    QGraphicsScene escena;
    QChart* grafico = Crear(*datos);
    escena.addItem(grafico);
    grafico->setGeometry(logico);
    escena.setSceneRect(logico);
    escena.render(pintor, *donde, logico);
}
}
