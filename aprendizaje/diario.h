#pragma once
// The learning journal: every judged step, one SQLite file per computer in
// the results folder, written only by that computer. Reading other
// computers' files treats them as untrusted input.
#include "aprendizaje/paso.h"

#include <QString>
#include <QStringList>
#include <vector>

// The version of the journal's tables (PRAGMA user_version); docs/DIARIO.md.
constexpr int kVersionDiario = 1;

// "diario-<host>.sqlite", the host name made safe for a file name.
QString NombreDiario(const QString& ordenador);
QString NombreOrdenador();

// Removes this computer's journal from `carpeta`; true when none is left.
bool BorrarDiario(const QString& carpeta);

struct LecturaDiarios {
    std::vector<PasoDiario> pasos;
    QStringList avisos; // one Spanish line for each file skipped, naming it
    int leidos = 0;     // journal files read, all or some of their rows
};

// Each path is a journal file or a folder (every diario-*.sqlite in it).
// Files are opened read-only and defensively; one that is not a journal,
// is damaged or is newer than this program is skipped with a line in avisos.
LecturaDiarios LeerDiarios(const QStringList& rutas);
