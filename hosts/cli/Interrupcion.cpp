#include "hosts/cli/Interrupcion.h"

namespace Vyr_Trilat::anfitrion {

namespace {
volatile std::sig_atomic_t pedida = 0;  // the signal that asked, 0 while none did

extern "C" void Al_Interrumpir(int senal) {
  if (pedida == 0) pedida = senal;
}
}  // namespace

void Atiende_Interrupcion() {
  struct sigaction sa {};
  sa.sa_handler = Al_Interrumpir;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND;
  for (const int senal : kSenales_De_Fin) sigaction(senal, &sa, nullptr);
}

bool Interrupcion_Pedida() { return pedida != 0; }

int Salida_Interrumpida() { return 128 + (pedida != 0 ? static_cast<int>(pedida) : SIGINT); }

}  // namespace Vyr_Trilat::anfitrion
