#include "hosts/cli/Opciones_Lectura.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace Vyr_Trilat::anfitrion {

Orden_Columnas Lee_Columnas(std::string_view letras) {
  Orden_Columnas o{-1, -1, -1, -1, -1};
  const auto error = [&](const std::string& por_que) {
    return std::invalid_argument("column order '" + std::string(letras) + "' " + por_que +
                                 " (letters P, E or X, N or Y, Z, D; for example PENZD, PNEZ, ENZ, XYZ)");
  };
  for (std::size_t i = 0; i < letras.size(); ++i) {
    const int letra = std::toupper(static_cast<unsigned char>(letras[i]));
    int* const columna = letra == 'P'                   ? &o.numero
                         : letra == 'E' || letra == 'X' ? &o.este
                         : letra == 'N' || letra == 'Y' ? &o.norte
                         : letra == 'Z'                 ? &o.cota
                         : letra == 'D'                 ? &o.descripcion
                                                        : nullptr;
    if (columna == nullptr) throw error("has an unknown letter '" + std::string(1, letras[i]) + "'");
    if (*columna >= 0) throw error("names a column twice");
    *columna = static_cast<int>(i);
  }
  if (o.este < 0 || o.norte < 0 || o.cota < 0) throw error("lacks easting, northing or elevation");
  return o;
}

}  // namespace Vyr_Trilat::anfitrion
