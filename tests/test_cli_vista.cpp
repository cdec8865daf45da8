// The picture the command draws on fits every survey: whatever its extent, the view is finite, at most twice as
// tall as wide, and every point falls inside the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "hosts/cli/Vista.h"

namespace Vyr_Trilat::anfitrion {
namespace {

TEST(Vista, CualquierExtensionCabeEnLaImagen) {
  constexpr int kAncho = 1600, kMargen = 20;
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> u(0, 1);
  int delgados = 0;
  for (int k = 0; k < 20000; ++k) {
    // Extents from a hair to far beyond the range of doubles, on either axis, at any offset.
    const double ancho = std::pow(10.0, -12 + 320 * u(rng)), alto = std::pow(10.0, -12 + 320 * u(rng));
    const double x0 = (u(rng) - 0.5) * std::pow(10.0, 300 * u(rng)), y0 = (u(rng) - 0.5) * std::pow(10.0, 300 * u(rng));
    std::vector<double> x, y;
    for (int i = 0; i < 5; ++i) x.push_back(x0 + ancho * u(rng)), y.push_back(y0 + alto * u(rng));
    const Vista v = Ajusta_Vista(x, y, kAncho, kMargen);
    ASSERT_TRUE(std::isfinite(v.EE1) && v.EE1 > 0 && std::isfinite(v.oX1) && std::isfinite(v.oY1)) << k;
    ASSERT_TRUE(v.ancho == kAncho && v.alto >= 2 * kMargen && v.alto <= 2 * kAncho && v.altoY == v.alto) << k;
    delgados += v.alto == 2 * kAncho ? 1 : 0;
    const auto [xmin, xmax] = std::minmax_element(x.begin(), x.end());
    const auto [ymin, ymax] = std::minmax_element(y.begin(), y.end());
    if (!std::isfinite(*xmax - *xmin) || !std::isfinite(*ymax - *ymin)) continue;
    for (int i = 0; i < 5; ++i) {
      const double px = (x[static_cast<std::size_t>(i)] - v.oX1) / v.EE1;
      const double py = (y[static_cast<std::size_t>(i)] - v.oY1) / v.EE1;
      EXPECT_TRUE(px >= -1e-6 * kAncho && px <= kAncho * (1 + 1e-6)) << k << ": " << px;
      EXPECT_TRUE(py >= -1e-6 * v.alto && py <= v.alto * (1 + 1e-6)) << k << ": " << py;
    }
  }
  EXPECT_GT(delgados, 5000);
}

}  // namespace
}  // namespace Vyr_Trilat::anfitrion
