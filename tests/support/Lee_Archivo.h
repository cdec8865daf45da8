// The whole content of a file, as the tests compare it.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace Vyr_Trilat::prueba {

// Empty when the file cannot be read.
inline std::string Lee_Archivo(const std::filesystem::path& ruta) {
  std::ostringstream s;
  s << std::ifstream(ruta, std::ios::binary).rdbuf();
  return s.str();
}

}  // namespace Vyr_Trilat::prueba
