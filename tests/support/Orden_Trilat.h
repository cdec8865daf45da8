// Runs the built trilat command as a user would, with its own settings file in a test's folder, and returns its
// exit status and what it said on standard error.
#pragma once

#include <filesystem>
#include <string>

namespace Vyr_Trilat::prueba {

struct Salida_Orden {
  int estado;       // exit status; -1 when it did not exit normally
  std::string err;  // standard error, also left in the folder as err.txt
};

Salida_Orden Ejecuta_Trilat(const std::filesystem::path& dir, const std::string& args);

}  // namespace Vyr_Trilat::prueba
