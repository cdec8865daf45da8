// Breaklines from a text file: one polyline per line, its survey point numbers separated by blanks or commas, `#`
// starting a comment; and the polylines handed to the library as its polyline records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "hosts/cli/Levantamiento.h"
#include "trilat/sibling/Polilinea.h"

namespace Vyr_Trilat::anfitrion {

// The polylines in file order, as survey point numbers; lines that are blank or only a comment are passed over.
// Error_Entrada "FILE:LINE: ..." for a field that is not a whole number, a number that is not a point of the
// survey, or a line with a single point; "FILE: ..." for a file that cannot be read.
std::vector<std::vector<std::int64_t>> Lee_Roturas(const std::filesystem::path& ruta, const Levantamiento& lev);

// The polylines as the library takes them: Pol(1) to Pol(n), each vertex the point's library position. The
// numbers must be points of the survey.
HostArray<Polilinea> Polilineas_Biblioteca(const std::vector<std::vector<std::int64_t>>& lineas,
                                           const Levantamiento& lev);

}  // namespace Vyr_Trilat::anfitrion
