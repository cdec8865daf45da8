#include "tests/support/Carpeta_Temporal.h"

#include <stdlib.h>

#include <fstream>
#include <set>
#include <stdexcept>

namespace Vyr_Trilat::prueba {

Carpeta_Temporal::Carpeta_Temporal() {
  // A name no other folder has, even for several in one test or the same test run twice at once.
  std::string plantilla = (std::filesystem::temp_directory_path() / "trilat-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  ruta_ = plantilla;
}

Carpeta_Temporal::~Carpeta_Temporal() {
  std::error_code ignorado;
  std::filesystem::remove_all(ruta_, ignorado);
}

std::filesystem::path Carpeta_Temporal::Escribe(const std::string& nombre, const std::string& texto) const {
  std::ofstream(ruta_ / nombre, std::ios::binary) << texto;
  return ruta_ / nombre;
}

std::string Carpeta_Temporal::Contenido() const {
  std::set<std::string> nombres;
  for (const auto& e : std::filesystem::directory_iterator(ruta_)) nombres.insert(e.path().filename().string());
  std::string r;
  for (const auto& n : nombres) r += (r.empty() ? "" : " ") + n;
  return r;
}

}  // namespace Vyr_Trilat::prueba
