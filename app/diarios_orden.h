#pragma once
// The journals a command reads: those of --diarios, or the results folder's.
// Says on stderr what it skips and why; nothing when none can be read.
#include "aprendizaje/diario.h"

#include <QStringList>
#include <optional>

std::optional<LecturaDiarios> LeerDiariosDeLaOrden(const QStringList& diarios);
