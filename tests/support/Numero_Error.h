// The run-time error number that a call raises, 0 when it raises none: lets a test say which error it expects.
#pragma once

#include <functional>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat::prueba {

inline Long Numero_Error(const std::function<void()>& llamada) {
  try {
    llamada();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace Vyr_Trilat::prueba
