// The radix sort behind the orders by coordinate must give exactly the permutation a stable comparison sort gives,
// whatever the keys: ties, -0 beside 0, infinities, denormals, survey-sized coordinates, and not-a-number (for
// which the comparison sort itself is used).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "trilat/common/Orden_Por_Clave.h"

namespace Vyr_Trilat::prueba {
namespace {

std::vector<std::size_t> Por_Comparacion(const std::vector<double>& clave) {
  std::vector<std::size_t> orden(clave.size());
  for (std::size_t k = 0; k < orden.size(); ++k) orden[k] = k;
  std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return clave[a] < clave[b]; });
  return orden;
}

TEST(Orden_Por_Clave, ComoUnaOrdenacionEstable) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> U(0, 1);
  const double inf = std::numeric_limits<double>::infinity(), min = std::numeric_limits<double>::denorm_min(),
               max = std::numeric_limits<double>::max();
  const double raros[] = {0.0, -0.0, inf, -inf, min, -min, max, -max};
  for (std::size_t n : {0, 1, 100, 4095, 4096, 5000, 70000})
    for (int tipo = 0; tipo < 5; ++tipo) {
      std::vector<double> clave(n);
      for (double& v : clave) {
        const double u = U(rng);
        v = tipo == 0   ? 4500000 + 1000 * u                              // survey coordinates, few ties
            : tipo == 1 ? std::floor(40 * u) - 20                         // many ties, both signs
            : tipo == 2 ? raros[static_cast<std::size_t>(8 * u)]          // special values only
            : tipo == 3 ? (u - 0.5) * std::pow(10.0, 600 * U(rng) - 300)  // every magnitude
                        : 1e-3 * std::floor(1e6 * u);                     // a fixed exponent range
      }
      EXPECT_EQ(Orden_Por_Clave(clave), Por_Comparacion(clave)) << "n " << n << " kind " << tipo;
      // With a key that is not a number: the comparison sort's own answer.
      if (n > 0) {
        clave[n / 2] = std::nan("");
        EXPECT_EQ(Orden_Por_Clave(clave), Por_Comparacion(clave)) << "n " << n << " kind " << tipo;
      }
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
