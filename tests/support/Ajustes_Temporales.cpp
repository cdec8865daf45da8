#include "tests/support/Ajustes_Temporales.h"

#include <stdlib.h>


#include "tests/support/Lee_Archivo.h"

namespace Vyr_Trilat::prueba {

namespace {
constexpr const char* kVariables[] = {"TRILAT_SETTINGS", "XDG_CONFIG_HOME", "HOME"};
}  // namespace

Ajustes_Temporales::Ajustes_Temporales() {
  for (const char* v : kVariables)
    if (const char* x = getenv(v)) entorno_[v] = x;
  setenv("TRILAT_SETTINGS", Archivo().c_str(), 1);
}

Ajustes_Temporales::~Ajustes_Temporales() {
  for (const char* v : kVariables) unsetenv(v);
  for (const auto& [v, x] : entorno_) setenv(v.c_str(), x.c_str(), 1);
}

std::string Ajustes_Temporales::Texto() const { return Lee_Archivo(Archivo()); }

}  // namespace Vyr_Trilat::prueba
