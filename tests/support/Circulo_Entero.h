// Points with integer coordinates exactly on one circle: sets where every four points are cocircular, the
// hardest case for an in-circle test.
#pragma once

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace Vyr_Trilat::prueba {

// Every integer point (x, y) with x^2 + y^2 = r^2.
inline std::vector<std::pair<std::int64_t, std::int64_t>> Circulo_Entero(std::int64_t r) {
  std::vector<std::pair<std::int64_t, std::int64_t>> puntos;
  for (std::int64_t x = -r; x <= r; ++x) {
    const auto y = static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(r * r - x * x))));
    if (x * x + y * y != r * r) continue;
    puntos.emplace_back(x, y);
    if (y != 0) puntos.emplace_back(x, -y);
  }
  return puntos;
}

}  // namespace Vyr_Trilat::prueba
