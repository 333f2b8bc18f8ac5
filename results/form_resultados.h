#pragma once
// "Control  de  resultados": one player's results at a time, and the
// commands that keep them in files and print them.
#include "nucleo/juego.h"

#include <QDialog>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;

class TForm_Resultados : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Resultados(QWidget* parent = nullptr);
    ~TForm_Resultados() override;

    QComboBox* ComboBox_nombres = nullptr;
    QLineEdit* Edit_dia = nullptr;
    QComboBox* ComboBox_meses = nullptr;
    QLineEdit* Edit_agno = nullptr;
    QLabel* Label_archivo = nullptr;
    QLabel* Label_aci[kTiposEjercicio] = {}; // Label_aci_sumas_sin .. Label_aci_cmental
    QLabel* Label_fal[kTiposEjercicio] = {};
    QLabel* Label_aci_total = nullptr;
    QLabel* Label_fal_total = nullptr;
    QPushButton* Color95Button_abrir = nullptr;
    QPushButton* Color95Button_guardar = nullptr;
    QPushButton* Color95Button_imprimir = nullptr;
    QPushButton* Color95Button_acero = nullptr;
    QPushButton* Color95Button_cerrar = nullptr;
    QMenu* PopupMenu_guardar = nullptr;
    QAction* Guardar1 = nullptr;
    QAction* Aadiralarchivo1 = nullptr;
    QAction* Guardarcomo1 = nullptr;
    QMenu* PopupMenu_imprimir = nullptr;
    QAction* Imprimirresultadosactuales1 = nullptr;
    QAction* Imprimirresultadosdeunarchivo1 = nullptr;
    // The printer chosen in PrintDialog1; kept for the run like the dialog.
    std::unique_ptr<QPrinter> Impresora;

    void FormShow();
    void ComboBox_nombresClick();
    void Color95Button_aceroClick();
    void Color95Button_guardarClick();
    void Color95Button_imprimirClick();
    void Guardar1Click();
    void Aadiralarchivo1Click();
    void Guardarcomo1Click();
    void Imprimirresultadosactuales1Click();
    void Imprimirresultadosdeunarchivo1Click();
    void Color95Button_abrirClick();
    void Color95Button_cerrarClick();

    void MostrarRegistro(const ResultsRecord& r);
    // "Del archivo : 'name.rsr'", made visible.
    void PonerArchivo(const QString& ruta);
    // Where a pop-up opens: its right edge on the button's top-left corner.
    static QPoint PosicionMenu(const QWidget* boton, const QMenu* menu);

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Confirms the print dialog; false when the user cancels.
    bool ElegirImpresora();
};

extern TForm_Resultados* Form_Resultados;

// Main-menu commands.
// dueno: the window the file dialog belongs to.
void LeerJugadoresDeArchivo(QWidget* dueno = nullptr); // Leerjugadoresdearchivo1Click
void AbrirControlDeResultados();                       // Controlderesultados1Click
