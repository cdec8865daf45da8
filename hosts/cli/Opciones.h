// The command line of `trilat`: a command and its options.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vyr_Trilat::anfitrion {

struct Opciones {
  std::string orden;  // "run", "demo", "help" or "version"
  std::filesystem::path puntos;
  std::filesystem::path salida;
  std::optional<double> dist_max;
};

// A command line that cannot be understood; the message says why.
class Error_Uso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Opciones Lee_Opciones(const std::vector<std::string>& args);

std::string Texto_Ayuda();

}  // namespace Vyr_Trilat::anfitrion
