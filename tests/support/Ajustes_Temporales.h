// A settings file of its own for one test, in a fresh folder, named by TRILAT_SETTINGS while it lives; the
// variables that locate the default file are restored afterwards too.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"

namespace Vyr_Trilat::prueba {

class Ajustes_Temporales {
 public:
  Ajustes_Temporales() {
    for (const char* v : kVariables)
      if (const char* x = getenv(v)) entorno_[v] = x;
    setenv("TRILAT_SETTINGS", Archivo().c_str(), 1);
  }
  ~Ajustes_Temporales() {
    for (const char* v : kVariables) unsetenv(v);
    for (const auto& [v, x] : entorno_) setenv(v.c_str(), x.c_str(), 1);
  }
  Ajustes_Temporales(const Ajustes_Temporales&) = delete;
  Ajustes_Temporales& operator=(const Ajustes_Temporales&) = delete;

  const Carpeta_Temporal& Carpeta() const { return carpeta_; }
  std::filesystem::path Archivo() const { return carpeta_ / "settings.ini"; }
  // The file's whole text ("" when it does not exist).
  std::string Texto() const { return Lee_Archivo(Archivo()); }

 private:
  static constexpr const char* kVariables[] = {"TRILAT_SETTINGS", "XDG_CONFIG_HOME", "HOME"};
  Carpeta_Temporal carpeta_;
  std::map<std::string, std::string> entorno_;
};

}  // namespace Vyr_Trilat::prueba
