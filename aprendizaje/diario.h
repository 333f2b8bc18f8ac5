#pragma once
// The learning journal: every judged step, one SQLite file per computer in
// the results folder, written only by that computer. Reading other
// computers' files treats them as untrusted input.
#include "aprendizaje/paso.h"

#include <QString>
#include <QStringList>
#include <vector>

// "diario-<host>.sqlite", the host name made safe for a file name.
QString NombreDiario(const QString& ordenador);
QString NombreOrdenador();

struct LecturaDiarios {
    std::vector<PasoDiario> pasos;
    QStringList avisos; // one Spanish line for each file skipped, naming it
};

// Each path is a journal file or a folder (every diario-*.sqlite in it).
LecturaDiarios LeerDiarios(const QStringList& rutas);
