#pragma once
// A small banded report of our own on QPainter: a page-header band, then
// detail bands that the report fills through QuickReport1NeedData.
#include "mental/calculo_mental.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace hojas {

// Layout pixels, 96 per inch.
struct EtiquetaDiseno {
    QString nombre;
    QRect caja;
    QString texto;      // fixed text of a sign; empty for a value label
    int alineacion = 0; // Qt::Alignment
    int pixeles = 20;   // font size
    // Place colours: the place of a one-digit label (1 = units); 0 counts
    // the places of a number from its right.
    int posicion = 0;
};
struct DisenoInforme {
    int filas_fijas = 5;
    int alto_cabecera = 41;
    int alto_detalle = 192;
    int margen_mm = 15;
    QVector<EtiquetaDiseno> etiquetas;
    QVector<QRect> lineas;
    QRect memo;
};

// What one detail band prints.
struct BandaDetalle {
    QHash<QString, QString> valores;
    bool signos = false; // signs, brackets and lines
    QString memo;
};
using PaginaInforme = QVector<BandaDetalle>;

extern const QString kCabecera; // "Nombre:...... Nivel:...... Fecha:......"
extern const QString kAutor;

class InformeHoja : public QWidget {
    Q_OBJECT
public:
    InformeHoja(const char* nombre, DisenoInforme diseno, QWidget* parent);

    // Copied from the pages dialog when the run starts.
    int32_t paginas = 0;
    int32_t largo_zona = 2970;
    bool con_soluciones = true;
    bool colores = false; // each place's digits in their own colour

    int filas_por_pagina = 0;
    int fila_en_pagina = 0;
    int registro = 0;
    int total_registros = 0;
    QString soluciones;

    void QuickReport1StartPage();
    void QuickReport1NeedData(bool& MoreData);
    const BandaDetalle& Banda() const { return banda_; }
    const DisenoInforme& Diseno() const { return diseno_; }

    // Runs the whole report once; later calls give the same pages, so the
    // printout matches its preview.
    const QVector<PaginaInforme>& Paginas();
    // Fixes paper and title, then draws every page; false when the device
    // could not be opened.
    bool Imprimir(QPrinter* impresora);
    bool Pintar(QPagedPaintDevice* dispositivo);

protected:
    // Writes the row's exercises and returns its answers.
    virtual QString GenerarFila(QHash<QString, QString>& valores) = 0;

private:
    void PintarBanda(QPainter& p, const BandaDetalle& b, int arriba) const;
    void PintarEnColores(QPainter& p, const EtiquetaDiseno& e, int arriba,
                         const QString& texto) const;

    DisenoInforme diseno_;
    BandaDetalle banda_;
    QVector<PaginaInforme> paginas_;
    bool generado_ = false;
};

} // namespace hojas
