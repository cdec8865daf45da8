// The plane tests on the cases that decide: touching, collinear, on the circle, and the tolerance an instance
// carries before and after its first run; exact orientation against integer arithmetic.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/Triangula.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/mGeom.h"

namespace Vyr_Trilat::prueba {
namespace {

TEST(Predicados, InCircle0) {
  c_Triangulos t;
  EXPECT_EQ(t.inCircle0(0, 0, 1, 0, 0, 1, -1, 0), True);
  EXPECT_NEAR(t.Estado().Circ.R, 1, 1e-15);
  // Exactly on the circle, or within the tolerance of it, is outside.
  EXPECT_EQ(t.inCircle0(0, -1, 1, 0, 0, 1, -1, 0), False);
  // A fresh instance has no tolerance: just inside counts as inside.
  EXPECT_EQ(t.inCircle0(0, 0.99999, 1, 0, 0, 1, -1, 0), True);
  Prepara(t, 100);
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 10, 10, 1));
  Calcula(t, a);
  EXPECT_EQ(t.inCircle0(0, 0.99999, 1, 0, 0, 1, -1, 0), False);
  EXPECT_EQ(t.inCircle0(0, 0.9999, 1, 0, 0, 1, -1, 0), True);

  // Three corners nearly on one horizontal (or vertical) line: degenerate, never inside.
  EXPECT_EQ(t.inCircle0(0.5, 0, 0, 0, 1, 0.00005, 2, 0), False);
  EXPECT_EQ(t.Estado().Circ.R, 100000);
  EXPECT_EQ(t.Estado().Circ.Xc, 0);
  EXPECT_EQ(t.inCircle0(0, 0.5, 0, 0, 0.00009, 1, 0, 2), False);
  EXPECT_EQ(t.Estado().Circ.R, 100000);
  // Equal slopes on sides 1-2 and 2-3: collinear, degenerate too.
  EXPECT_EQ(t.inCircle0(1, 1, 0, 0, 1, 2, 2, 4), False);
  EXPECT_EQ(t.Estado().Circ.R, 100000);

  // Each branch of the centre computation gives the true circumcentre.
  Circulo c;
  En_Circulo(0, c, 0, 0, 0, 0, 4, 0, 0, 2);  // side 1-2 horizontal
  EXPECT_DOUBLE_EQ(c.Xc, 2);
  EXPECT_DOUBLE_EQ(c.Yc, 1);
  En_Circulo(0, c, 0, 0, 0, 2, 0, 0, 4, 0);  // side 2-3 horizontal
  EXPECT_DOUBLE_EQ(c.Xc, 2);
  EXPECT_DOUBLE_EQ(c.Yc, 1);
  En_Circulo(0, c, 0, 0, 1, 3, 4, 0, 0, 1);  // general
  const double r = std::hypot(1 - c.Xc, 3 - c.Yc);
  EXPECT_NEAR(std::hypot(4 - c.Xc, 0 - c.Yc), r, 1e-12);
  EXPECT_NEAR(std::hypot(0 - c.Xc, 1 - c.Yc), r, 1e-12);
}

TEST(Predicados, CruzaSegmentosCuentaElContacto) {
  using mGeom::Cruza_Segmentos;
  const auto cruza = [](double a, double b, double c, double d, double e, double f, double g, double h) {
    return Cruza_Segmentos(a, b, c, d, e, f, g, h);
  };
  EXPECT_TRUE(cruza(0, 0, 2, 2, 0, 2, 2, 0));
  EXPECT_TRUE(cruza(0, 0, 1, 0, 1, 0, 2, 5));   // shared end
  EXPECT_TRUE(cruza(0, 0, 1, 0, 2, 0, 3, 0));   // collinear, disjoint
  EXPECT_FALSE(cruza(0, 0, 1, 1, 2, 0, 3, 1));  // parallel
  EXPECT_TRUE(cruza(0, 0, 2, 0, 1, 0, 1, 3));   // an end on the other segment
  EXPECT_FALSE(cruza(0, 0, 2, 0, 1, 0.001, 1, 3));
  EXPECT_TRUE(cruza(0, 0, 0, 2, -1, 1, 1, 1));  // vertical first segment
  EXPECT_FALSE(cruza(0, 0, 0, 2, -1, 3, 1, 3));
  EXPECT_TRUE(cruza(-1, 1, 1, 1, 0, 0, 0, 2));  // vertical second segment
  // Symmetric in the two segments and in the direction of each.
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<int> U(-3, 3);
  for (int k = 0; k < 20000; ++k) {
    double v[8];
    for (double& x : v) x = U(rng);
    const bool r = cruza(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    EXPECT_EQ(r, cruza(v[4], v[5], v[6], v[7], v[0], v[1], v[2], v[3]));
    EXPECT_EQ(r, cruza(v[2], v[3], v[0], v[1], v[6], v[7], v[4], v[5]));
  }
}

TEST(Predicados, LejaniasYLadosLargos) {
  const XYZ A{0, 0, 0, 1}, B{3, 0, 0, 2}, C{0, 4, 0, 3};
  EXPECT_FALSE(Lados_Largos(A, B, C, 5));
  EXPECT_TRUE(Lados_Largos(A, B, C, 4.999999));
  const Lejos l = Lejanias(A, B, C, XYZ{-2, 0, 0, 4}, 4);  // 2 from A, 5 from B, sqrt(20) from C
  EXPECT_TRUE(l.AB);
  EXPECT_TRUE(l.BC);
  EXPECT_TRUE(l.AC);
  const Lejos m = Lejanias(A, B, C, XYZ{-1, 0, 0, 4}, 4);  // 1, 4, sqrt(17)
  EXPECT_FALSE(m.AB);
  EXPECT_TRUE(m.BC);
  EXPECT_TRUE(m.AC);
  // The squared-distance test answers exactly as the root, on limits and distances a few ulps either side.
  std::mt19937_64 rng(17);
  std::uniform_real_distribution<double> U(0, 2000);
  for (int k = 0; k < 100000; ++k) {
    const double limite = k % 7 == 0 ? std::floor(U(rng)) : U(rng);
    const Mas_Lejos_Que lejos(limite);
    double d2 = limite * limite;
    for (int paso = 0; paso < k % 5; ++paso) d2 = std::nextafter(d2, k % 2 ? INFINITY : 0.0);
    if (k % 11 == 0) d2 = U(rng) * U(rng);
    ASSERT_EQ(lejos(d2), std::sqrt(d2) > limite) << limite << " " << d2;
  }
  // And the side test without roots answers as the one with them, on sides at the limit and a few ulps off it.
  for (int k = 0; k < 20000; ++k) {
    const double limite = U(rng) / 100;
    const double a = U(rng), b = U(rng);
    XYZ P{a, b, 0, 0}, Q{a + limite, b, 0, 0}, R{a, b + limite * (k % 3 ? 1 : 0.5), 0, 0};
    for (int paso = 0; paso < k % 4; ++paso) Q.X = std::nextafter(Q.X, k % 2 ? INFINITY : 0.0);
    ASSERT_EQ(Lados_Largos(P, Q, R, Mas_Lejos_Que(limite)), Lados_Largos(P, Q, R, limite)) << limite;
  }
  EXPECT_TRUE(Mas_Lejos_Que(-1)(0));
  EXPECT_FALSE(Mas_Lejos_Que(0)(0));
  EXPECT_TRUE(Mas_Lejos_Que(0)(1e-300));
}

// Integer coordinates up to 2^26 have determinants exact in 64-bit integers: the exact sign to compare with.
TEST(Predicados, OrientacionExacta) {
  std::mt19937_64 rng(9);
  for (int k = 0; k < 200000; ++k) {
    const int bits = 1 + k % 26;
    std::uniform_int_distribution<long long> U(-(1LL << bits), 1LL << bits);
    long long p[6];
    for (auto& v : p) v = U(rng);
    if (k % 3 == 0) {  // exactly collinear, through a shared direction
      p[4] = p[0] + 2 * (p[2] - p[0]);
      p[5] = p[1] + 2 * (p[3] - p[1]);
    }
    const long long det = (p[0] - p[4]) * (p[3] - p[5]) - (p[1] - p[5]) * (p[2] - p[4]);
    const int esperado = det > 0 ? 1 : det < 0 ? -1 : 0;
    // Scaling by a power of two and shifting far from the origin must not change the sign.
    const double s = std::ldexp(1.0, k % 40 - 20);
    ASSERT_EQ(Orientacion(p[0] * s, p[1] * s, p[2] * s, p[3] * s, p[4] * s, p[5] * s), esperado);
  }
  // Near-collinear points a few ulps apart, where the rounded determinant has the wrong sign or none.
  const double x = 0.5, y = 0.5;
  for (int i = 0; i < 64; ++i)
    for (int j = 0; j < 64; ++j) {
      const double px = x + i * std::numeric_limits<double>::epsilon() / 2;
      const double py = y + j * std::numeric_limits<double>::epsilon() / 2;
      const int o = Orientacion(px, py, 12, 12, 24, 24);
      EXPECT_EQ(o, (py > px) - (py < px)) << i << " " << j;
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
