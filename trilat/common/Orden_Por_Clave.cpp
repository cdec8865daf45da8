#include "trilat/common/Orden_Por_Clave.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace Vyr_Trilat {

namespace {

// Below this many keys the counting tables cost more than the comparisons.
constexpr std::size_t kMinimo_Radix = 4096;
constexpr int kBits_Digito = 16;
constexpr std::size_t kCubetas = std::size_t{1} << kBits_Digito;

// An unsigned integer in the order of the number: negatives reversed below the positives, -0 taken as 0.
std::uint64_t Entero_Ordenado(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

}  // namespace

std::vector<std::size_t> Orden_Por_Clave(const std::vector<double>& clave) {
  const std::size_t n = clave.size();
  std::vector<std::size_t> orden(n);
  for (std::size_t k = 0; k < n; ++k) orden[k] = k;
  if (n < kMinimo_Radix || std::any_of(clave.begin(), clave.end(), [](double v) { return std::isnan(v); })) {
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return clave[a] < clave[b]; });
    return orden;
  }
  struct Elemento {
    std::uint64_t clave;
    std::size_t posicion;
  };
  std::vector<Elemento> a(n), b(n);
  for (std::size_t k = 0; k < n; ++k) a[k] = {Entero_Ordenado(clave[k]), k};
  // Least significant digit first; each pass is stable, so equal keys keep their positions' order. A digit that is
  // the same in every key moves nothing and is passed over.
  std::vector<std::size_t> cuenta(kCubetas);
  for (int desplazamiento = 0; desplazamiento < 64; desplazamiento += kBits_Digito) {
    std::fill(cuenta.begin(), cuenta.end(), 0);
    const auto digito = [&](const Elemento& e) { return static_cast<std::size_t>((e.clave >> desplazamiento) & (kCubetas - 1)); };
    for (const Elemento& e : a) ++cuenta[digito(e)];
    if (cuenta[digito(a[0])] == n) continue;
    std::size_t inicio = 0;
    for (std::size_t& c : cuenta) {
      const std::size_t m = c;
      c = inicio;
      inicio += m;
    }
    for (const Elemento& e : a) b[cuenta[digito(e)]++] = e;
    std::swap(a, b);
  }
  for (std::size_t k = 0; k < n; ++k) orden[k] = a[k].posicion;
  return orden;
}

}  // namespace Vyr_Trilat
