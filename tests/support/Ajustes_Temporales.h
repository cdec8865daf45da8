// A settings file of its own for one test, in a fresh folder, named by TRILAT_SETTINGS while it lives; the
// variables that locate the default file are restored afterwards too.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/Carpeta_Temporal.h"

namespace Vyr_Trilat::prueba {

class Ajustes_Temporales {
 public:
  Ajustes_Temporales();
  ~Ajustes_Temporales();
  Ajustes_Temporales(const Ajustes_Temporales&) = delete;
  Ajustes_Temporales& operator=(const Ajustes_Temporales&) = delete;

  const std::filesystem::path& Carpeta() const { return carpeta_.Ruta(); }
  std::filesystem::path Archivo() const { return carpeta_ / "settings.ini"; }
  // The file's whole text ("" when it does not exist).
  std::string Texto() const;

 private:
  Carpeta_Temporal carpeta_;
  std::map<std::string, std::string> entorno_;
};

}  // namespace Vyr_Trilat::prueba
