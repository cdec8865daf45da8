// Survey points from delimited text as surveyors keep them: comma, semicolon, tab or blank separated, `#` comment
// lines, an optional header line, the column order given by the header's names or else by the survey letters.
#pragma once

#include <filesystem>

#include "hosts/cli/Levantamiento.h"
#include "hosts/cli/Opciones_Lectura.h"

namespace Vyr_Trilat::anfitrion {

// The file is read in large blocks and parsed in place, so millions of points take about as long as the disk
// does. The separator is the first line's tab, else semicolon, else comma, else blanks. A first line with no
// numeric field is a header; when it names easting and northing (E/East/Easting/X, N/North/Northing/Y) it
// decides the columns, otherwise `opciones.columnas` does. Error_Entrada "FILE:LINE: ..." for an unreadable or
// empty file, a row with too few fields, a field that is not a number, a coordinate that is not finite, a point
// number that is not a positive integer or is repeated.
Levantamiento Lee_Puntos_Texto(const std::filesystem::path& ruta, const Opciones_Lectura& opciones);

}  // namespace Vyr_Trilat::anfitrion
