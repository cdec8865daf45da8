#include "trilat/common/Orden_Por_Clave.h"

#include <bit>
#include <cmath>

namespace Vyr_Trilat {

namespace {

// An unsigned integer in the order of the number: negatives reversed below the positives, -0 taken as 0.
std::uint64_t Entero_Ordenado(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

}  // namespace

std::vector<std::size_t> Orden_Por_Clave(const std::vector<double>& clave) {
  const std::size_t n = clave.size();
  std::vector<std::size_t> orden(n);
  if (std::any_of(clave.begin(), clave.end(), [](double v) { return std::isnan(v); })) {
    for (std::size_t k = 0; k < n; ++k) orden[k] = k;
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return clave[a] < clave[b]; });
    return orden;
  }
  struct Elemento {
    std::uint64_t clave;
    std::size_t posicion;
  };
  std::vector<Elemento> a(n);
  for (std::size_t k = 0; k < n; ++k) a[k] = {Entero_Ordenado(clave[k]), k};
  Ordena_Por_Digitos(a, [](const Elemento& e) { return e.clave; });
  for (std::size_t k = 0; k < n; ++k) orden[k] = a[k].posicion;
  return orden;
}

}  // namespace Vyr_Trilat
