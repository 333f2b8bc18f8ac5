#pragma once
// The letter of every printed page of the journal: the same on any computer.
#include <QFont>

QFont LetraImpresa(qreal puntos, bool negrita = false);
