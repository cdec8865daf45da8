// The point-set and plane-geometry services the construction relies on, against brute-force references.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "trilat/sibling/c_Puntos.h"

namespace Vyr_Trilat {
namespace {

// Keep a finite point unless it is strictly nearer than the tolerance to one already kept: quadratic, obviously
// right.
std::vector<Long> Depura_Referencia(const std::vector<double>& x, const std::vector<double>& y, double tol) {
  std::vector<Long> kept;
  for (std::size_t i = 0; i < x.size(); ++i) {
    bool cerca = !std::isfinite(x[i]) || !std::isfinite(y[i]);
    for (Long k : kept) {
      const double dx = x[i] - x[static_cast<std::size_t>(k)], dy = y[i] - y[static_cast<std::size_t>(k)];
      if (std::sqrt(dx * dx + dy * dy) < tol) cerca = true;
    }
    if (!cerca) kept.push_back(static_cast<Long>(i));
  }
  return kept;
}

TEST(Hermanos, DepuraPuntosComoLaReferencia) {
  std::mt19937_64 rng(21);
  for (int caso = 0; caso < 60; ++caso) {
    const double x0 = caso % 3 == 0 ? 500000 : caso % 3 == 1 ? -123.456 : 0;
    const double y0 = caso % 3 == 0 ? 4500000 : 0;
    const double lado = caso % 2 ? 0.2 : 5;  // dense sets put many points within the tolerance
    std::uniform_real_distribution<double> U(0, lado);
    const int n = 50 + caso * 7;
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
      if (caso % 4 == 2) {  // on and about the borders of the cells the search is filed by (8 tolerances wide)
        const double d[] = {0, 1e-12, -1e-12, 0.0199, -0.0199, 0.02, -0.02};
        std::uniform_int_distribution<int> borde(-3, 3), cual(0, 6);
        x.push_back(x0 + 0.16 * borde(rng) + d[cual(rng)]);
        y.push_back(y0 + 0.16 * borde(rng) + d[cual(rng)]);
      } else if (caso % 5 == 4 && i % 7 == 3) {  // coordinates too large for a cell or not finite, some repeated
        const double enorme[] = {1e300, -1e300, 4e15, -1e17, NAN, INFINITY};
        x.push_back(enorme[i % 6]);
        y.push_back(i % 3 ? 7.0 : enorme[(i + 1) % 6]);
      } else if (i > 0 && i % 4 == 0) {  // exactly at, just under and just over the tolerance from an earlier point
        const double d[] = {0.02, 0.0199999999, 0.0200000001, 0};
        x.push_back(x[static_cast<std::size_t>(i / 2)] + d[i % 16 / 4]);
        y.push_back(y[static_cast<std::size_t>(i / 2)]);
      } else {
        x.push_back(x0 + U(rng));
        y.push_back(y0 + U(rng));
      }
    }
    const auto esperado = Depura_Referencia(x, y, 0.02);
    Long m = n;
    HostArray<double> X(1, m), Y(1, m), Z(1, m);
    HostArray<Long> num(1, m);
    for (Long i = 1; i <= m; ++i) {
      X(i) = x[static_cast<std::size_t>(i - 1)];
      Y(i) = y[static_cast<std::size_t>(i - 1)];
      Z(i) = i * 0.5;
      num(i) = 1000 + i;
    }
    c_Puntos().Depura_Puntos(m, X, Y, Z, num, nullptr, 0.02, False);
    ASSERT_EQ(static_cast<std::size_t>(m), esperado.size()) << caso;
    for (Long k = 1; k <= m; ++k) {
      const Long i = esperado[static_cast<std::size_t>(k - 1)];
      EXPECT_TRUE(num(k) == 1001 + i && X(k) == x[static_cast<std::size_t>(i)] && Z(k) == (i + 1) * 0.5) << caso;
    }
  }
}

}  // namespace
}  // namespace Vyr_Trilat
