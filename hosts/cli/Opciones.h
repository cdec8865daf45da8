// The command line of `trilat`: a command and its options.
#pragma once

#include <filesystem>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vyr_Trilat::anfitrion {

struct Opciones {
  std::string orden;  // "run", "demo", "help" or "version"
  std::filesystem::path puntos;
  std::filesystem::path salida;
  std::filesystem::path ajustes;       // settings file for this run (default: the user's)
  std::optional<double> dist_max;      // triangulation dialog values for this run only
  std::optional<bool> ver_formacion;
  std::optional<std::int32_t> color_triangulos;
};

// A command line that cannot be understood; the message says why.
class Error_Uso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Opciones Lee_Opciones(const std::vector<std::string>& args);

// A colour as "#RRGGBB" or as the decimal value with red in the low byte.
std::int32_t Lee_Color(const std::string& opcion, const std::string& texto);

std::string Texto_Ayuda();

}  // namespace Vyr_Trilat::anfitrion
