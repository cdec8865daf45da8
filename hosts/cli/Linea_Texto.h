// The lines of the host's text inputs: a file saved with a byte-order mark starts its first line with one, which
// is no part of the data (editors on some systems add it to UTF-8 text), and lines end as any system ends them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

// Line n of the file at `ruta` (from 1) without the byte-order mark that may open the file. A file saved as
// UTF-16, whose every other byte would read as a NUL, is refused at its mark (Error_Entrada).
inline std::string_view Sin_Marca_De_Orden(std::string_view linea, std::size_t n, const std::filesystem::path& ruta) {
  if (n != 1) return linea;
  if (linea.starts_with("\xFF\xFE") || linea.starts_with("\xFE\xFF"))
    throw Error_Entrada(ruta.string() + ": the file is UTF-16 text; save it as UTF-8 text");
  if (linea.starts_with("\xEF\xBB\xBF")) linea.remove_prefix(3);
  return linea;
}

// Calls f(line) for each line of text read up to a line feed (without it): a line ends in a line feed, a carriage
// return and line feed, or a lone carriage return, as old Mac text ends them.
template <typename F>
void Por_Lineas(std::string_view texto, F&& f) {
  if (!texto.empty() && texto.back() == '\r') texto.remove_suffix(1);
  for (auto cr = texto.find('\r'); cr != std::string_view::npos; cr = texto.find('\r')) {
    f(texto.substr(0, cr));
    texto.remove_prefix(cr + 1);
  }
  f(texto);
}

}  // namespace Vyr_Trilat::anfitrion
