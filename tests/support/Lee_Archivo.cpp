#include "tests/support/Lee_Archivo.h"

#include <fstream>
#include <sstream>

namespace Vyr_Trilat::prueba {

std::string Lee_Archivo(const std::filesystem::path& ruta) {
  std::ostringstream s;
  s << std::ifstream(ruta, std::ios::binary).rdbuf();
  return s.str();
}

}  // namespace Vyr_Trilat::prueba
