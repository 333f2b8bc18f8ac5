#pragma once
// The diagnosis as a table for spreadsheets and other tools: UTF-8 without
// a byte order mark, ';' between fields, one line per child and pattern.
#include "aprendizaje/diagnostico.h"

#include <QByteArray>
#include <vector>

// "jugador;patron;descripcion;estado;veces;oportunidades;operaciones;primera_vez;ultima_vez;ejemplo"
extern const char kCabeceraCsvDiagnostico[];

// A field quoted as RFC 4180 says where it holds ';', '"' or a line break.
QString CampoCsv(const QString& texto);

// The header, then the rows in the order given (children, then each
// child's patterns in table order); lines end in "\n".
QByteArray CsvDiagnostico(const std::vector<DiagnosticoJugador>& ninos);
