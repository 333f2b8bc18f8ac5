#pragma once
// "Informe de la clase": every child in the journals over the days the
// teacher picks (this week first); the error map, a child's or the whole
// class's progress chart and totals per kind; printing and the CSV export.
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_clase.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

extern const QString kTextoErrorImpresoraClase;
extern const QString kTextoErrorExportarClase;

class VentanaInformeClase : public QDialog {
    Q_OBJECT
public:
    // `hoy` picks the week shown first.
    VentanaInformeClase(LecturaDiarios lectura, const QDate& hoy, QWidget* padre = nullptr);
    ~VentanaInformeClase() override;

    QDateEdit* Fecha_desde = nullptr;
    QDateEdit* Fecha_hasta = nullptr;
    QLabel* Label_periodo = nullptr;
    QComboBox* Combo_orden = nullptr; // by name, or most confirmed patterns first
    QTableWidget* Tabla_mapa = nullptr;
    QComboBox* Combo_grafico = nullptr; // the whole class, then each child
    QWidget* Grafico = nullptr;         // a QChartView from the chart module
    QTableWidget* Tabla_totales = nullptr;
    QLabel* Label_avisos = nullptr;
    QPushButton* Boton_imprimir = nullptr;
    QPushButton* Boton_exportar = nullptr;
    QPushButton* Boton_cerrar = nullptr;

    const InformeClase& Informe() const { return informe_; }
    // The child of a row of the map, as sorted now.
    const NinoInforme* NinoDeFila(int fila) const;
    void Imprimir();
    void Exportar();
    // The diagnosis window for the child of that row, over the same days.
    void AbrirDiagnostico(int fila);

private:
    void Recalcular();
    void LlenarMapa();
    void LlenarGrafico();

    std::vector<PasoDiario> pasos_;
    InformeClase informe_;
    std::vector<int> orden_;
};

// Reads the journals of the results folder and runs the window over `sobre`.
void AbrirInformeClase(QWidget* sobre);
