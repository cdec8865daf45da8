// The point-set services the construction relies on, against brute-force references: the cleaning of repeated
// points, and the radix sort behind the orders by coordinate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "trilat/common/Orden_Por_Clave.h"
#include "trilat/sibling/c_Puntos.h"

namespace Vyr_Trilat {
namespace {

// Keeps a finite point unless it is strictly nearer than the tolerance to one already kept: quadratic, obviously
// right. Positions from 1, as in the host's arrays.
std::vector<Long> Depura_Referencia(const HostArray<double>& X, const HostArray<double>& Y, double tol) {
  std::vector<Long> kept;
  for (Long i = 1; i <= X.UBound(); ++i) {
    bool cerca = !std::isfinite(X(i)) || !std::isfinite(Y(i));
    for (Long k : kept) {
      const double dx = X(i) - X(k), dy = Y(i) - Y(k);
      cerca = cerca || std::sqrt(dx * dx + dy * dy) < tol;
    }
    if (!cerca) kept.push_back(i);
  }
  return kept;
}

TEST(Hermanos, DepuraPuntosComoLaReferencia) {
  // About the borders of the cells the search is filed by (8 tolerances wide); at, just under and just over the
  // tolerance from an earlier point; too large for a cell or not finite.
  const double borde[] = {0, 1e-12, -1e-12, 0.0199, -0.0199, 0.02, -0.02};
  const double al_limite[] = {0.02, 0.0199999999, 0.0200000001, 0};
  const double enorme[] = {1e300, -1e300, 4e15, -1e17, NAN, INFINITY};
  std::mt19937_64 rng(21);
  std::uniform_real_distribution<double> U(0, 1);
  std::uniform_int_distribution<int> celda(-3, 3), cual(0, 6);
  for (int caso = 0; caso < 60; ++caso) {
    const double x0 = caso % 3 == 0 ? 500000 : caso % 3 == 1 ? -123.456 : 0, y0 = caso % 3 == 0 ? 4500000 : 0;
    const double lado = caso % 2 ? 0.2 : 5;  // dense sets put many points within the tolerance
    const Long n = 50 + caso * 7;
    HostArray<double> X(1, n), Y(1, n), Z(1, n);
    HostArray<Long> num(1, n);
    for (Long i = 1; i <= n; ++i) {
      if (caso % 4 == 2)
        X(i) = x0 + 0.16 * celda(rng) + borde[cual(rng)], Y(i) = y0 + 0.16 * celda(rng) + borde[cual(rng)];
      else if (caso % 5 == 4 && i % 7 == 3)  // some repeated
        X(i) = enorme[i % 6], Y(i) = i % 3 ? 7.0 : enorme[(i + 1) % 6];
      else if (i > 1 && i % 4 == 1)
        X(i) = X(i / 2 + 1) + al_limite[i / 4 % 4], Y(i) = Y(i / 2 + 1);
      else
        X(i) = x0 + lado * U(rng), Y(i) = y0 + lado * U(rng);
      Z(i) = i * 0.5;
      num(i) = 1000 + i;
    }
    const HostArray<double> X0 = X, Y0 = Y;
    const auto esperado = Depura_Referencia(X, Y, 0.02);
    Long m = n;
    c_Puntos().Depura_Puntos(m, X, Y, Z, num, nullptr, 0.02, False);
    ASSERT_EQ(static_cast<std::size_t>(m), esperado.size()) << caso;
    for (Long k = 1; k <= m; ++k) {
      const Long i = esperado[static_cast<std::size_t>(k - 1)];
      EXPECT_TRUE(num(k) == 1000 + i && X(k) == X0(i) && Y(k) == Y0(i) && Z(k) == i * 0.5) << caso;
    }
  }
}

std::vector<std::size_t> Por_Comparacion(const std::vector<double>& clave) {
  std::vector<std::size_t> orden(clave.size());
  std::iota(orden.begin(), orden.end(), std::size_t{0});
  std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return clave[a] < clave[b]; });
  return orden;
}

// Exactly the permutation a stable comparison sort gives, whatever the keys: ties, -0 beside 0, infinities,
// denormals, survey-sized coordinates, and not-a-number (for which the comparison sort itself is used).
TEST(Orden_Por_Clave, ComoUnaOrdenacionEstable) {
  using L = std::numeric_limits<double>;
  const double raros[] = {0.0,      -0.0,     L::infinity(), -L::infinity(), L::denorm_min(), -L::denorm_min(),
                          L::max(), -L::max()};
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> U(0, 1);
  for (std::size_t n : {0, 1, 100, 4095, 4096, 5000, 70000})
    for (int tipo = 0; tipo < 6; ++tipo) {
      std::vector<double> clave(n);
      for (double& v : clave) {
        const double u = U(rng);
        v = tipo == 0   ? 4500000 + 1000 * u                              // survey coordinates, few ties
            : tipo == 1 ? std::floor(40 * u) - 20                         // many ties, both signs
            : tipo == 2 ? raros[static_cast<std::size_t>(8 * u)]          // special values only
            : tipo == 3 ? (u - 0.5) * std::pow(10.0, 600 * U(rng) - 300)  // every magnitude
            : tipo == 4 ? 1e-3 * std::floor(1e6 * u)                      // a fixed exponent range
                        : (u < 0.7 ? 2.5 : 2.5 + u);                      // most keys one value, not all
      }
      EXPECT_EQ(Orden_Por_Clave(clave), Por_Comparacion(clave)) << "n " << n << " kind " << tipo;
      if (n == 0) continue;
      clave[n / 2] = std::nan("");
      EXPECT_EQ(Orden_Por_Clave(clave), Por_Comparacion(clave)) << "n " << n << " kind " << tipo << " with NaN";
    }
}

}  // namespace
}  // namespace Vyr_Trilat
