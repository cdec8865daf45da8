// Sorting by key in a few passes over the keys' bits (a radix sort), stable, for the long lists of a run: the order
// of points by a coordinate, and along the insertion curve.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vyr_Trilat {

// Sorts the items stably by the 64-bit unsigned key clave(item), 16 bits at a time from the least significant;
// a digit every key shares moves nothing and is passed over. Short lists go to a comparison sort.
template <typename T, typename Clave>
void Ordena_Por_Digitos(std::vector<T>& a, Clave&& clave) {
  constexpr std::size_t kMinimo = 4096;
  constexpr int kBits_Digito = 16;
  constexpr std::size_t kCubetas = std::size_t{1} << kBits_Digito;
  const std::size_t n = a.size();
  if (n < kMinimo) {
    std::stable_sort(a.begin(), a.end(), [&](const T& u, const T& w) { return clave(u) < clave(w); });
    return;
  }
  std::vector<T> b(n);
  std::vector<std::size_t> cuenta(kCubetas);
  for (int desplazamiento = 0; desplazamiento < 64; desplazamiento += kBits_Digito) {
    const auto digito = [&](const T& e) {
      return static_cast<std::size_t>((clave(e) >> desplazamiento) & (kCubetas - 1));
    };
    std::fill(cuenta.begin(), cuenta.end(), 0);
    for (const T& e : a) ++cuenta[digito(e)];
    if (cuenta[digito(a[0])] == n) continue;
    std::size_t inicio = 0;
    for (std::size_t& c : cuenta) {
      const std::size_t m = c;
      c = inicio;
      inicio += m;
    }
    for (const T& e : a) b[cuenta[digito(e)]++] = e;
    std::swap(a, b);
  }
}

// The order a stable sort by key gives: positions 0 .. n - 1 by ascending key, equal keys (-0 and 0 among them) in
// position order; exactly the permutation std::stable_sort with < gives (which it is, when a key is not a number).
std::vector<std::size_t> Orden_Por_Clave(const std::vector<double>& clave);

}  // namespace Vyr_Trilat
