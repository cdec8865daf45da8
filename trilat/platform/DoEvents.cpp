#include "trilat/platform/DoEvents.h"

namespace Vyr_Trilat {

namespace {
thread_local Bucle_Mensajes bucle;
}

void DoEvents() {
  if (bucle) bucle();
}

Bucle_Mensajes Instala_Bucle_Mensajes(Bucle_Mensajes b) {
  std::swap(b, bucle);
  return b;
}

}  // namespace Vyr_Trilat
