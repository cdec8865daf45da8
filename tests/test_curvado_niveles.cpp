// The pieces that decide what is traced: level count and first level, the working elevation that lifts points off
// the levels, major against minor, how one triangle is cut at a level, and the B-spline samples of smoothed lines.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "tests/support/Numero_Error.h"
#include "trilat/c_Curvado/Corte_Triangulo.h"
#include "trilat/c_Curvado/Muestreo_BSpline.h"
#include "trilat/c_Curvado/Niveles.h"

namespace Vyr_Trilat {
namespace {

using namespace Niveles;
using prueba::Numero_Error;

TEST(Niveles, CasosQueDecidenLosNiveles) {
  // The rounded count (halves to even), or, when rounding stops short of a level within the range, the count up to
  // the last (1.4 rounds to 1: levels 100 to 102; 0.3 / 0.1 is just below 3).
  for (const auto& [alto, bajo, e, n] : std::vector<std::tuple<double, double, double, Integer>>{
           {8.5, 0, 1, 8}, {9.5, 0, 1, 10}, {102.3, 100.9, 1, 2}, {100.8, 100.2, 1, 1}, {0.3, 0.06, 0.1, 3}})
    EXPECT_EQ(Numero_Niveles(alto, bajo, e), n) << alto << " " << bajo;
  EXPECT_EQ(Numero_Error([] { Numero_Niveles(32767.5, 0, 1); }), 6);
  EXPECT_EQ(Numero_Error([] { Numero_Niveles(std::nan(""), 0, 1); }), 6);
  EXPECT_TRUE(Primer_Nivel(-2.5, 1) == -3 && Primer_Nivel(101.3, 0.25) == 101.25);  // the floor, not truncation

  // Lifted by 0.004 units within 0.008 equidistances above the multiple below (by floor, also under zero).
  for (const auto& [z, e, sube] : std::vector<std::tuple<double, double, bool>>{
           {10.0079, 1, true}, {10.0081, 1, false}, {-2.999, 1, true}, {2.5039, 0.5, true}, {2.5041, 0.5, false}})
    EXPECT_EQ(Cota_Trabajo(z, e), sube ? z + 0.004 : z) << z;
  // Elevations in millimetres never sit on a level once lifted.
  for (const double e : {1.0, 0.5, 0.25})
    for (int mm = -20000; mm <= 20000; ++mm) ASSERT_NE(std::fmod(Cota_Trabajo(mm / 1000.0, e), e), 0) << mm;
  // Nor do those on a level of a decimal equidistance, which divides to just below the level as often as not
  // (100.1 / 0.1 is 1000.9999999999999): every one is lifted.
  for (const int paso : {100, 200, 50, 300, 10})
    for (int mm = -200000 / paso * paso; mm <= 200000; mm += paso)
      ASSERT_EQ(Cota_Trabajo(mm / 1000.0, paso / 1000.0), mm / 1000.0 + 0.004) << mm << " at " << paso;

  // Levels added up by 0.1 against majors of 0.5 are tested where a run adds them; here the tolerance's edges.
  EXPECT_TRUE(Es_Maestra(100.009, 5, 1) && Es_Maestra(100 - 1e-9, 5, 1));  // within 0.002 of 20 fives
  EXPECT_FALSE(Es_Maestra(100.011, 5, 1) || Es_Maestra(99.994, 5, 1));
  // Against a major equidistance over 500 times the minor, only the level nearest each multiple is major: one
  // minor equidistance either side lies within the tolerance too. Levels added up as a run adds them.
  for (const auto& [finas, maestras] : {std::pair{0.1, 100.0}, {0.01, 10.0}, {0.1, 1000.0}, {0.001, 5.0}}) {
    int mayores = 0;
    for (int k = -30; k <= 30; ++k) mayores += Es_Maestra(maestras + k * finas, maestras, finas) ? 1 : 0;
    EXPECT_EQ(mayores, 1) << finas << " against " << maestras;
  }
}

void Espera(const Pto3D& A, const Pto3D& B, const Pto3D& C, double cota, std::vector<double> esperado) {
  const auto s = Corta_Triangulo({A, B, C}, {0, 1, 2}, cota);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ((std::vector<double>{s->X1, s->Y1, s->X2, s->Y2}), esperado);
}

TEST(CorteTriangulo, AristasYEsquinas) {
  const Pto3D A{0, 0, 0}, B{10, 0, 10}, C{0, 10, 10};
  Espera(A, B, C, 5, {5, 0, 0, 5});  // edges A-B then A-C; C-B is flat
  EXPECT_FALSE(Corta_Triangulo({A, B, C}, {0, 1, 2}, 10.5));
  // An edge rising 0.0002 or less is never cut, even across the level (the rise here is that bound exactly).
  EXPECT_FALSE(Corta_Triangulo({{0, 0, 0}, {10, 0, 0.0002}, {0, 10, 1}}, {0, 1, 2}, 0.0001));
  // A level through a corner gives two crossings there: the segment joins the crossing on the opposite edge.
  Espera({0, 0, 5}, {10, 0, 0}, {0, 10, 10}, 5, {5, 5, 0, 0});   // corner A: crossings 0 and 2
  Espera({0, 0, 0}, {10, 0, 5}, {0, 10, 10}, 5, {10, 0, 0, 5});  // corner B: 0 and 1
  Espera({0, 0, 0}, {10, 0, 10}, {0, 10, 5}, 5, {5, 0, 0, 10});  // corner C: 1 and 2
  // When rounding keeps a corner's two crossings apart, the nearest pair stands for it.
  const Pto3D D{0.1, 0, 0}, E{0.3, 5, 5}, F{1e10, 7, 10};
  ASSERT_NE(D.X + (E.X - D.X) * 1.0, F.X + (E.X - F.X) * 1.0);
  Espera(D, E, F, 5, {D.X + (E.X - D.X) * 1.0, 5, D.X + (F.X - D.X) * 0.5, 3.5});
  const Pto3D G{1e10, 0, 0}, H{0.1, 7, 10}, K{0.3, 5, 5};
  ASSERT_NE(G.X + (K.X - G.X) * 1.0, K.X);
  Espera(G, H, K, 5, {G.X + (H.X - G.X) * 0.5, 3.5, G.X + (K.X - G.X) * 1.0, 5});
  // Far below its lower corner, an edge from 1e16 down to 1 still gives t = 1 at level 0.5.
  Espera({0, 0, 1e16}, {4, 0, 1}, {0, 4, 1e16}, 0.5, {4, 0, 4, 0});
}

// A uniform cubic B-spline span at t, by its matrix form: a different evaluation of the same curve.
double Tramo(const std::vector<double>& p, std::size_t j, double t) {
  const double a = (-p[j - 1] + 3 * p[j] - 3 * p[j + 1] + p[j + 2]) / 6,
               b = (3 * p[j - 1] - 6 * p[j] + 3 * p[j + 1]) / 6, c = (-3 * p[j - 1] + 3 * p[j + 1]) / 6,
               d = (p[j - 1] + 4 * p[j] + p[j + 1]) / 6;
  return ((a * t + b) * t + c) * t + d;
}

TEST(Muestreo, CadaTramoDeCeroAUnoYAnillosCerrados) {
  std::vector<Vert> cadena{{0, 0}, {10, 0}, {10, 10}, {25, 12}}, anillo{{0, 0}, {7, 1}, {9, 8}, {2, 9}, {0, 0}};
  const Secuencia_Control c = Secuencia_De(cadena, 0.001), r = Secuencia_De(anillo, 0.001);
  const std::size_t tramos = c.X.size() - 3;
  for (const Long segmentos : {1, 4, 9}) {
    SCOPED_TRACE(segmentos);
    const std::vector<Pto3D> m = Muestrea(c, segmentos, 101.5);
    const auto por_tramo = static_cast<std::size_t>(segmentos) + 1;
    ASSERT_EQ(m.size(), 1 + tramos * por_tramo);
    EXPECT_TRUE(m[0].X == 0 && m[0].Y == 0 && m[0].Z == 101.5);
    for (std::size_t j = 1; j <= tramos; ++j) {
      for (std::size_t k = 0; k < por_tramo; ++k) {
        const Pto3D& p = m[1 + (j - 1) * por_tramo + k];
        EXPECT_NEAR(p.X, Tramo(c.X, j, static_cast<double>(k) / segmentos), 1e-12);
        EXPECT_NEAR(p.Y, Tramo(c.Y, j, static_cast<double>(k) / segmentos), 1e-12);
      }
    }
    EXPECT_NEAR(m.back().X, 25, 1e-12);  // the curve keeps its end, and a smoothed ring closes
    const std::vector<Pto3D> a = Muestrea(r, segmentos, 0);
    EXPECT_TRUE(std::abs(a.back().X - a.front().X) <= 1e-12 && std::abs(a.back().Y - a.front().Y) <= 1e-12);
  }
}

}  // namespace
}  // namespace Vyr_Trilat
