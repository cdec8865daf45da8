// The exact predicates against exact integer arithmetic: random integer points of every size, and near-collinear
// points a few ulps apart, where the rounded determinant says nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat::prueba {
namespace {

__extension__ typedef __int128 i128;

int Signo(i128 v) { return (v > 0) - (v < 0); }

struct P {
  std::int64_t x, y;
};

// The in-circle determinant of integer points, exact while differences stay below 2^29.
i128 Incirculo_Entero(P a, P b, P c, P d) {
  const i128 adx = a.x - d.x, ady = a.y - d.y, bdx = b.x - d.x, bdy = b.y - d.y, cdx = c.x - d.x, cdy = c.y - d.y;
  return (adx * adx + ady * ady) * (bdx * cdy - cdx * bdy) + (bdx * bdx + bdy * bdy) * (cdx * ady - adx * cdy) +
         (cdx * cdx + cdy * cdy) * (adx * bdy - bdx * ady);
}

// Integer points placed at x0 + x * escala, y0 + y * escala.
struct Plano {
  double escala, x0, y0;
  double X(P p) const { return x0 + static_cast<double>(p.x) * escala; }
  double Y(P p) const { return y0 + static_cast<double>(p.y) * escala; }
  int Incirculo(P a, P b, P c, P d) const {
    return Vyr_Trilat::Incirculo(X(a), Y(a), X(b), Y(b), X(c), Y(c), X(d), Y(d));
  }
};

TEST(Predicados_Exactos, IncirculoYOrientacionComoEnterosExactos) {
  std::mt19937_64 rng(11);
  for (int k = 0; k < 60000; ++k) {
    const int bits = 1 + k % 27;
    std::uniform_int_distribution<std::int64_t> U(-(1LL << bits), 1LL << bits);
    P p[4];
    for (auto& q : p) q = {U(rng), U(rng)};
    if (k % 5 == 0) {  // an isosceles trapezoid, symmetric about x = m: cocircular
      const std::int64_t m2 = 2 * (U(rng) / 4);
      p[2] = {m2 - p[1].x, p[1].y};
      p[3] = {m2 - p[0].x, p[0].y};
    }
    if (k % 7 == 0) p[3] = p[k % 3];                                                          // d on a corner
    if (k % 5 == 1) p[2] = {p[0].x + 2 * (p[1].x - p[0].x), p[0].y + 2 * (p[1].y - p[0].y)};  // collinear
    const int esperado = Signo(Incirculo_Entero(p[0], p[1], p[2], p[3]));
    // Powers of two and whole offsets far from the origin keep every coordinate exact.
    const bool lejos = k % 3 == 0;
    const Plano plano{lejos ? 1.0 : std::ldexp(1.0, k % 50 - 25), lejos ? 500000.0 : 0, lejos ? 4500000.0 : 0};
    ASSERT_EQ(plano.Incirculo(p[0], p[1], p[2], p[3]), esperado) << k;
    // Antisymmetric in the four points.
    ASSERT_EQ(plano.Incirculo(p[1], p[2], p[0], p[3]), esperado);
    ASSERT_EQ(plano.Incirculo(p[1], p[0], p[2], p[3]), -esperado);
    ASSERT_EQ(plano.Incirculo(p[3], p[1], p[2], p[0]), -esperado);
    const i128 giro = i128{p[0].x - p[2].x} * (p[1].y - p[2].y) - i128{p[0].y - p[2].y} * (p[1].x - p[2].x);
    ASSERT_EQ(Orientacion(plano.X(p[0]), plano.Y(p[0]), plano.X(p[1]), plano.Y(p[1]), plano.X(p[2]), plano.Y(p[2])),
              Signo(giro))
        << k;
  }
  // Near-collinear points a few ulps apart, where the rounded orientation has the wrong sign or none.
  for (int i = 0; i < 64; ++i)
    for (int j = 0; j < 64; ++j) {
      const double px = 0.5 + i * std::numeric_limits<double>::epsilon() / 2;
      const double py = 0.5 + j * std::numeric_limits<double>::epsilon() / 2;
      EXPECT_EQ(Orientacion(px, py, 12, 12, 24, 24), (py > px) - (py < px)) << i << " " << j;
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
