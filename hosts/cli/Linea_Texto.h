// The lines of the host's text inputs: a file saved with a byte-order mark starts its first line with one, which
// is no part of the data (editors on some systems add it to UTF-8 text).
#pragma once

#include <cstddef>
#include <string_view>

namespace Vyr_Trilat::anfitrion {

// Line n of a file (from 1) without the byte-order mark that may open the file.
inline std::string_view Sin_Marca_De_Orden(std::string_view linea, std::size_t n) {
  if (n == 1 && linea.substr(0, 3) == "\xEF\xBB\xBF") linea.remove_prefix(3);
  return linea;
}

}  // namespace Vyr_Trilat::anfitrion
