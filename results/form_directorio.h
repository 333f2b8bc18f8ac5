#pragma once
// "Directorio para guardar puntuaciones": where puntos.zfr would live. The
// game creates it but no visible command opens it.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

class TForm_directorio : public QDialog {
    Q_OBJECT
public:
    explicit TForm_directorio(QWidget* parent = nullptr);
    ~TForm_directorio() override;

    QComboBox* DriveComboBox = nullptr;
    QTreeView* DirectoryListBox = nullptr;
    QPushButton* xpButton_aceptar = nullptr;
    QPushButton* xpButton_cancelar = nullptr;

    void FormShow();
    void xpButton_aceptarClick();
    // The folder chosen in the list, or empty.
    QString Elegido() const;
    void Elegir(const QString& carpeta);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void PrepararLista();

    QFileSystemModel* modelo_ = nullptr;
};

extern TForm_directorio* Form_directorio;
