#include "hosts/cli/Levantamiento.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string>

#include "hosts/cli/Lectura_Puntos_OGR.h"
#include "hosts/cli/Lectura_Puntos_Texto.h"
#include "hosts/cli/Vectorial_GDAL.h"

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

namespace {

std::string Minusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// Some vector driver of GDAL names the extension (without its dot) as one of its files'.
bool De_Driver_Vectorial(const std::string& ext) {
  Inicia_GDAL();
  GDALDriverManager& drivers = *GetGDALDriverManager();
  for (int k = 0; k < drivers.GetDriverCount(); ++k) {
    GDALDriver& d = *drivers.GetDriver(k);
    if (d.GetMetadataItem(GDAL_DCAP_VECTOR) == nullptr) continue;
    for (const std::string& e : Extensiones_De(d))
      if (Minusculas(e) == ext) return true;
  }
  return false;
}

}  // namespace

bool Es_Texto_Delimitado(const std::filesystem::path& ruta) {
  static constexpr std::array<std::string_view, 8> kTexto = {"",     ".csv", ".txt", ".xyz",
                                                             ".pts", ".dat", ".prn", ".asc"};
  const std::string ext = Minusculas(ruta.extension().string());
  return std::find(kTexto.begin(), kTexto.end(), ext) != kTexto.end() || !De_Driver_Vectorial(ext.substr(1));
}

Levantamiento Lee_Puntos(const std::filesystem::path& ruta, const Opciones_Lectura& opciones) {
  return Es_Texto_Delimitado(ruta) ? Lee_Puntos_Texto(ruta, opciones) : Lee_Puntos_OGR(ruta, opciones);
}

}  // namespace Vyr_Trilat::anfitrion
