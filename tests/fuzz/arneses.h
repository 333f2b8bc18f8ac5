#pragma once
// What the file readers promise for any bytes at all. Shared by the fuzz
// targets and by the regression test, which replays the kept inputs.
// Each check returns an empty text when every promise held, or what broke.
#include <cstddef>
#include <cstdint>
#include <string>

namespace arneses {

// A results file read as the game reads it to play on, and as the printing
// of a file reads it (every record).
std::string LecturaResultados(const uint8_t* datos, size_t n);
// The check before appending: the first byte is the number of players to
// append (0..255), the rest is the file.
std::string ComprobacionAnadido(const uint8_t* datos, size_t n);
// The top-ten file, read and then written back.
std::string LecturaPuntuaciones(const uint8_t* datos, size_t n);

} // namespace arneses
