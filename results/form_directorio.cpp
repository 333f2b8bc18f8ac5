#include "results/form_directorio.h"

#include "nucleo/centrar.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "results/mejores.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>

TForm_directorio* Form_directorio = nullptr;

TForm_directorio::TForm_directorio(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    Form_directorio = this;
    setObjectName(QStringLiteral("Form_directorio"));
    setWindowTitle(QStringLiteral("Directorio para guardar puntuaciones"));
    setFixedSize(360, 330);

    auto* unidad = new QLabel(QStringLiteral("Selecciona unidad de disco:"), this);
    unidad->setGeometry(12, 8, 336, 20);
    DriveComboBox = new QComboBox(this);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->setGeometry(12, 28, 336, 26);
    // One file system here: its root stands for the drives.
    for (const QFileInfo& raiz : QDir::drives())
        DriveComboBox->addItem(raiz.absoluteFilePath());
    unidad->setBuddy(DriveComboBox);

    auto* carpeta = new QLabel(QStringLiteral("Selecciona directorio:"), this);
    carpeta->setGeometry(12, 62, 336, 20);
    DirectoryListBox = new QTreeView(this);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setGeometry(12, 82, 336, 196);
    DirectoryListBox->setHeaderHidden(true);
    carpeta->setBuddy(DirectoryListBox);

    xpButton_aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    xpButton_aceptar->setObjectName(QStringLiteral("xpButton_aceptar"));
    xpButton_aceptar->setGeometry(70, 288, 100, 30);
    xpButton_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    xpButton_cancelar->setObjectName(QStringLiteral("xpButton_cancelar"));
    xpButton_cancelar->setGeometry(190, 288, 100, 30);
    connect(xpButton_aceptar, &QPushButton::clicked, this,
            &TForm_directorio::xpButton_aceptarClick);
    connect(xpButton_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    CentrarEnPantalla(this);
    plataforma::PublicarAccesibilidad(this);
}

TForm_directorio::~TForm_directorio() {
    if (Form_directorio == this) Form_directorio = nullptr;
}

// Reading the file system and its icons took a sixth of the start-up, for a
// dialog that is seldom opened: the list is filled the first time it is needed.
void TForm_directorio::PrepararLista() {
    if (modelo_) return;
    modelo_ = new QFileSystemModel(this);
    modelo_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    DirectoryListBox->setModel(modelo_);
    for (int c = 1; c < modelo_->columnCount(); ++c)
        DirectoryListBox->hideColumn(c);
    connect(DriveComboBox, &QComboBox::currentTextChanged, this, [this](const QString& raiz) {
        DirectoryListBox->setRootIndex(modelo_->setRootPath(raiz));
    });
    if (DriveComboBox->count() > 0)
        DirectoryListBox->setRootIndex(modelo_->setRootPath(DriveComboBox->currentText()));
}

void TForm_directorio::showEvent(QShowEvent* e) {
    PrepararLista();
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_directorio::FormShow() {
    Elegir(RutaDeInicio(resultados::directorio_puntuaciones.isEmpty()
                            ? QStringLiteral(".")
                            : resultados::directorio_puntuaciones));
}

QString TForm_directorio::Elegido() const {
    const QModelIndex i = DirectoryListBox->currentIndex();
    return i.isValid() && modelo_ ? modelo_->filePath(i) : QString();
}

void TForm_directorio::Elegir(const QString& carpeta) {
    PrepararLista();
    DirectoryListBox->setCurrentIndex(modelo_->index(QDir(carpeta).absolutePath()));
}

void TForm_directorio::xpButton_aceptarClick() {
    const QString elegido = Elegido();
    // An empty choice keeps the folder there was.
    if (!elegido.isEmpty()) resultados::directorio_puntuaciones = elegido + QLatin1Char('/');
    accept();
}
