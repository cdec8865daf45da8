#include "hosts/cli/Levantamiento.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

#include "hosts/cli/Lectura_Puntos_OGR.h"
#include "hosts/cli/Lectura_Puntos_Texto.h"

namespace Vyr_Trilat::anfitrion {

bool Levantamiento::Agrega(std::int64_t numero, double px, double py, double pz) {
  // The library counts points in a Long.
  if (size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw Error_Entrada("more points than the library can take");
  if (!posicion.emplace(numero, static_cast<std::int32_t>(size() + 1)).second) return false;
  numeros.push_back(numero);
  x.push_back(px);
  y.push_back(py);
  z.push_back(pz);
  return true;
}

bool Es_Texto_Delimitado(const std::filesystem::path& ruta) {
  static constexpr std::array<std::string_view, 8> kTexto = {"",     ".csv", ".txt", ".xyz",
                                                             ".pts", ".dat", ".prn", ".asc"};
  std::string ext = ruta.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return std::find(kTexto.begin(), kTexto.end(), ext) != kTexto.end();
}

Levantamiento Lee_Puntos(const std::filesystem::path& ruta, const Opciones_Lectura& opciones) {
  return Es_Texto_Delimitado(ruta) ? Lee_Puntos_Texto(ruta, opciones) : Lee_Puntos_OGR(ruta, opciones);
}

}  // namespace Vyr_Trilat::anfitrion
