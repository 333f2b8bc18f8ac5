#pragma once
// What reading the command line's options promises for any arguments.
// Shared by the fuzz target and by the regression test.
#include <cstddef>
#include <cstdint>
#include <string>

namespace arneses {

// The bytes as arguments, one a line (as a shell would pass them).
// An empty text when every promise held, or what broke.
std::string OpcionesDeOrdenes(const uint8_t* datos, size_t n);

} // namespace arneses
