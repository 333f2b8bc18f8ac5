#pragma once
// Names are single-byte CP1252 in memory and CP850 in files, as the game's
// results and scores files have always stored them.
#include <QString>
#include <string>

namespace plataforma {

// Characters with no CP1252 byte become '?'.
std::string ACp1252(const QString& texto);
// Reads at most `max` bytes, stopping at the first NUL.
QString DesdeCp1252(const char* bytes, size_t max);
std::string Cp1252ACp850(const std::string& bytes);
std::string Cp850ACp1252(const std::string& bytes);

} // namespace plataforma
