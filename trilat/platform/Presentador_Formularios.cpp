#include "trilat/platform/Presentador_Formularios.h"

#include <utility>

namespace Vyr_Trilat {

namespace {
thread_local Presentador_Formularios presentador;
}

void Presenta_Modal(Formulario& formulario) {
  if (presentador) presentador(formulario);
}

Presentador_Formularios Instala_Presentador_Formularios(Presentador_Formularios p) {
  std::swap(p, presentador);
  return p;
}

}  // namespace Vyr_Trilat
