#pragma once
// "Diagnóstico de errores": the children found in the journals, and for the
// one chosen each pattern with its state, counts and dates, the sentence
// for the teacher and its latest example drawn; it prints them too.
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/lista_ninos.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

extern const QString kTextoErrorImpresoraDiagnostico;

class VentanaDiagnostico : public QDialog {
    Q_OBJECT
public:
    // `actuales`: the players of the game now, offered first.
    VentanaDiagnostico(const LecturaDiarios& lectura, const QStringList& actuales,
                       QWidget* padre = nullptr);
    ~VentanaDiagnostico() override;

    QListWidget* Lista_ninos = nullptr;
    QLabel* Label_nombre = nullptr;
    QLabel* Label_periodo = nullptr;
    QLabel* Label_leyenda = nullptr;
    QScrollArea* Area_patrones = nullptr;
    QLabel* Label_vacio = nullptr; // a child without any pattern, or no journal at all
    QLabel* Label_avisos = nullptr;
    QPushButton* Boton_imprimir = nullptr;
    QPushButton* Boton_refuerzo = nullptr; // only for a child with a confirmed pattern
    QPushButton* Boton_cerrar = nullptr;

    // The chosen child's page, as printed.
    InformeNino Informe() const;
    void Imprimir();
    // The chosen child's hoja de refuerzo, a page per confirmed pattern, from a new seed.
    void ImprimirRefuerzo();

private:
    void Elegir(int fila);
    // The print dialog, then the preview that paints with `pintar`.
    void ImprimirCon(const QString& archivo, const QString& titulo,
                     const std::function<bool(QPrinter&)>& pintar);

    std::vector<DiagnosticoJugador> diagnosticos_;
    QHash<QString, Periodo> periodos_;
    std::vector<NinoDiagnostico> ninos_;
    bool hay_diarios_ = false;
    QWidget* panel_ = nullptr;
};

// Reads the journals of the results folder and runs the window over `sobre`.
void AbrirDiagnosticoDeErrores(QWidget* sobre);

// The printer of every run: the print dialog's choices stay for the next.
QPrinter& ImpresoraDiagnostico();
