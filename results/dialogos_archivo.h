#pragma once
// Open and save dialogs for results files, with a seam so tests can answer.
#include <QString>
#include <functional>

class QWidget;

namespace resultados {

struct PeticionArchivo {
    bool guardar = false;
    QString titulo;
    QString inicial; // folder and pattern, or a file; "*.csv" offers CSV tables
};

// The chosen path, or an empty text when the user cancelled.
QString PedirArchivo(QWidget* dueno, const PeticionArchivo& p);

using ContestadorArchivo = std::function<QString(const PeticionArchivo&)>;
void FijarContestadorArchivo(ContestadorArchivo c);

} // namespace resultados
