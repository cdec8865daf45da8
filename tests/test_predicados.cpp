// The construction's plane tests on the cases that decide: touching, collinear, on the circle, and the tolerance an
// instance carries before and after its first run; its root-free distance tests against the roots.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "tests/support/Triangula.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/mGeom.h"

namespace Vyr_Trilat::prueba {
namespace {

TEST(Predicados, InCircle0) {
  c_Triangulos t;
  const auto en_unidad = [&](double yp) { return t.inCircle0(0, yp, 1, 0, 0, 1, -1, 0); };
  EXPECT_EQ(en_unidad(0), True);
  EXPECT_NEAR(t.Estado().Circ.R, 1, 1e-15);
  // Exactly on the circle is outside; a fresh instance has no tolerance, one that has run has the construction's.
  EXPECT_EQ(en_unidad(-1), False);
  EXPECT_EQ(en_unidad(0.99999), True);
  Prepara(t, 100);
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 10, 10, 1));
  Calcula(t, a);
  EXPECT_EQ(en_unidad(0.99999), False);
  EXPECT_EQ(en_unidad(0.9999), True);

  // Corners nearly on one horizontal or vertical line, or with equal slopes on sides 1-2 and 2-3: never inside, and
  // a circle too wide for any edge to accept through it.
  for (const auto& v : {std::array{0.5, 0.0, 0.0, 0.0, 1.0, 0.00005, 2.0, 0.0},
                        {0, 0.5, 0, 0, 0.00009, 1, 0, 2},
                        {1, 1, 0, 0, 1, 2, 2, 4}}) {
    EXPECT_EQ(t.inCircle0(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), False) << v[4];
    const Circulo& c = t.Estado().Circ;
    EXPECT_EQ((std::array{c.Xc, c.Yc, c.R}), (std::array{0.0, 0.0, 100000.0})) << v[4];
  }
  // Each branch of the centre computation (side 1-2 level, side 2-3 level, neither) gives the true circumcentre.
  for (const auto& v : {std::array{0.0, 0.0, 4.0, 0.0, 0.0, 2.0}, {0, 2, 0, 0, 4, 0}, {1, 3, 4, 0, 0, 1}}) {
    Circulo c;
    En_Circulo(0, c, 0, 0, v[0], v[1], v[2], v[3], v[4], v[5]);
    for (int k = 0; k < 6; k += 2) EXPECT_NEAR(std::hypot(v[k] - c.Xc, v[k + 1] - c.Yc), c.R, 1e-12) << v[2];
  }
}

// On small whole coordinates every product is exact: each segment's ends lie on both closed sides of the other's
// line exactly when the exact orientations say so (touching, and collinear whether apart or not, count).
TEST(Predicados, CruzaSegmentosCuentaElContacto) {
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<int> U(-3, 3);
  for (int k = 0; k < 20000; ++k) {
    std::array<double, 8> v;
    for (double& x : v) x = U(rng);
    if ((v[0] == v[2] && v[1] == v[3]) || (v[4] == v[6] && v[5] == v[7])) continue;
    const auto lados = [&](int p, int a, int b) {
      return Orientacion(v[p], v[p + 1], v[p + 2], v[p + 3], v[a], v[a + 1]) *
                 Orientacion(v[p], v[p + 1], v[p + 2], v[p + 3], v[b], v[b + 1]) <=
             0;
    };
    ASSERT_EQ(mGeom::Cruza_Segmentos(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), lados(0, 4, 6) && lados(4, 0, 2))
        << v[0] << " " << v[1] << " " << v[2] << " " << v[3] << " / " << v[4] << " " << v[5] << " " << v[6] << " "
        << v[7];
  }
}

TEST(Predicados, LejaniasYLadosLargos) {
  // A side exactly as long as the maximum is allowed, whichever side it is; P at 2 from A, 5 from B and sqrt(20)
  // from C, then at 1, 4 and sqrt(17).
  const XYZ A{0, 0, 0, 1}, B{3, 0, 0, 2}, C{0, 4, 0, 3};
  for (const auto& [p, q, r] : {std::array{A, B, C}, {B, C, A}, {C, A, B}}) {
    EXPECT_FALSE(Lados_Largos(p, q, r, Mas_Lejos_Que(5)) || Lados_Largos(p, q, r, 5.0)) << p.n;
    EXPECT_TRUE(Lados_Largos(p, q, r, Mas_Lejos_Que(std::nextafter(5.0, 0.0)))) << p.n;
    EXPECT_TRUE(Lados_Largos(p, q, r, std::nextafter(5.0, 0.0))) << p.n;
  }
  const Lejos l = Lejanias(A, B, C, XYZ{-2, 0, 0, 4}, 4), m = Lejanias(A, B, C, XYZ{-1, 0, 0, 4}, 4);
  EXPECT_TRUE(l.AB && l.BC && l.AC);
  EXPECT_TRUE(!m.AB && m.BC && m.AC);
  // The squared-distance test answers exactly as the root, on limits and distances a few ulps either side.
  std::mt19937_64 rng(17);
  std::uniform_real_distribution<double> U(0, 2000);
  for (int k = 0; k < 100000; ++k) {
    const double limite = k % 7 == 0 ? std::floor(U(rng)) : U(rng);
    double d2 = limite * limite;
    for (int paso = 0; paso < k % 5; ++paso) d2 = std::nextafter(d2, k % 2 ? INFINITY : 0.0);
    if (k % 11 == 0) d2 = U(rng) * U(rng);
    ASSERT_EQ(Mas_Lejos_Que(limite)(d2), std::sqrt(d2) > limite) << limite << " " << d2;
  }
  EXPECT_TRUE(Mas_Lejos_Que(-1)(0) && !Mas_Lejos_Que(0)(0) && Mas_Lejos_Que(0)(1e-300));
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
