// A progress object that shows nothing, so that benchmarks time the computation alone (beside the picture box
// that draws nothing).
#pragma once

#include "hosts/support/Superficie_Nula.h"
#include "trilat/platform/Object.h"

namespace Vyr_Trilat::prueba {

class Progreso_Nulo : public Object {
  void Let_Propiedad(const std::string&, const Variant&) override {}
};

}  // namespace Vyr_Trilat::prueba
