#pragma once
// What reading a journal file promises for any bytes at all. Shared by the
// fuzz target and by the regression test, which replays the kept inputs.
#include <cstddef>
#include <cstdint>
#include <string>

namespace arneses {

// The bytes written to a file and read as a journal from another computer.
// An empty text when every promise held, or what broke.
std::string LecturaDiario(const uint8_t* datos, size_t n);

} // namespace arneses
