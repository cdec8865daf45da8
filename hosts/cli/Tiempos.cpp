#include "hosts/cli/Tiempos.h"

#include <cstdio>

namespace Vyr_Trilat::anfitrion {

void Tiempos::Imprime(const std::string& nombre, std::chrono::steady_clock::time_point ini) const {
  if (!imprime_) return;
  const std::chrono::duration<double> d = std::chrono::steady_clock::now() - ini;
  std::fprintf(stderr, "TIME\t%s\t%.6f\n", nombre.c_str(), d.count());
}

void Tiempos::Cuenta(const std::string& que, long long n) const {
  if (imprime_) std::fprintf(stderr, "COUNT\t%s\t%lld\n", que.c_str(), n);
}

}  // namespace Vyr_Trilat::anfitrion
