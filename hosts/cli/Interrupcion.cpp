#include "hosts/cli/Interrupcion.h"

#include <csignal>

namespace Vyr_Trilat::anfitrion {

namespace {
volatile std::sig_atomic_t pedida = 0;

extern "C" void Al_Interrumpir(int) { pedida = 1; }
}  // namespace

void Atiende_Interrupcion() {
  struct sigaction sa {};
  sa.sa_handler = Al_Interrumpir;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &sa, nullptr);
}

bool Interrupcion_Pedida() { return pedida != 0; }

}  // namespace Vyr_Trilat::anfitrion
