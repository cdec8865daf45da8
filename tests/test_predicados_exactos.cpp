// The exact predicates against exact integer arithmetic: random integer points of every size, points exactly on
// integer circles, and the same points moved a few ulps, where the rounded determinant says nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/support/Circulo_Entero.h"
#include "trilat/common/Expansion.h"
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

int Incirculo_Escalado(P a, P b, P c, P d, double escala, double x0, double y0) {
  const auto X = [&](P p) { return x0 + static_cast<double>(p.x) * escala; };
  const auto Y = [&](P p) { return y0 + static_cast<double>(p.y) * escala; };
  return Incirculo(X(a), Y(a), X(b), Y(b), X(c), Y(c), X(d), Y(d));
}

TEST(Predicados_Exactos, IncirculoComoEnterosExactos) {
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
    if (k % 7 == 0) p[3] = p[k % 3];  // d on a corner
    const int esperado = Signo(Incirculo_Entero(p[0], p[1], p[2], p[3]));
    // Powers of two and whole offsets far from the origin keep every coordinate exact.
    const double escala = std::ldexp(1.0, k % 50 - 25);
    const double x0 = k % 3 == 0 ? 500000 : 0, y0 = k % 3 == 0 ? 4500000 : 0;
    const double s = x0 != 0 ? 1.0 : escala;
    ASSERT_EQ(Incirculo_Escalado(p[0], p[1], p[2], p[3], s, x0, y0), esperado) << k;
    // Antisymmetric in the four points.
    ASSERT_EQ(Incirculo_Escalado(p[1], p[2], p[0], p[3], s, x0, y0), esperado);
    ASSERT_EQ(Incirculo_Escalado(p[1], p[0], p[2], p[3], s, x0, y0), -esperado);
    ASSERT_EQ(Incirculo_Escalado(p[3], p[1], p[2], p[0], s, x0, y0), -esperado);
  }
}

TEST(Predicados_Exactos, IncirculoEnCirculosEnterosYAUnosUlps) {
  std::mt19937_64 rng(12);
  for (std::int64_t r : {5, 25, 65, 85, 325, 1105}) {
    std::vector<P> circulo;
    for (const auto& [x, y] : Circulo_Entero(r)) circulo.push_back({x, y});
    ASSERT_GE(circulo.size(), 12u);
    std::uniform_int_distribution<std::size_t> elige(0, circulo.size() - 1);
    for (int k = 0; k < 3000; ++k) {
      P p[4];
      for (auto& q : p) q = circulo[elige(rng)];
      if (Signo(Incirculo_Entero(p[0], p[1], p[2], {0, 0})) <= 0) std::swap(p[0], p[1]);  // counter-clockwise
      const bool grande = k % 2 == 0;
      const double x0 = grande ? 500000 : 5000.5, y0 = grande ? 4500000 : 7000.25;
      ASSERT_EQ(Incirculo_Escalado(p[0], p[1], p[2], p[3], 1, x0, y0), 0);

      // d moved by j ulps along x or y: the determinant is a quadratic f0 + f1 t + f2 t^2 in the move t,
      // whose integer coefficients come from t = -1, 0, 1; its sign at t = j 2^-e is exact in 128 bits.
      const bool en_x = k % 4 < 2;
      const int j = static_cast<int>(k % 7) - 3;
      const double base = en_x ? x0 + static_cast<double>(p[3].x) : y0 + static_cast<double>(p[3].y);
      double movido = base;
      for (int i = 0; i < std::abs(j); ++i) movido = std::nextafter(movido, j > 0 ? 1e300 : -1e300);
      int e = 0;
      std::frexp(std::nextafter(std::fabs(base), 1e300) - std::fabs(base), &e);  // ulp = 2^(e-1)
      const int exponente = 1 - e;                                               // t = j 2^-exponente
      ASSERT_GE(exponente, 0);
      const auto f = [&](std::int64_t t) {
        P d = p[3];
        (en_x ? d.x : d.y) += t;
        return Incirculo_Entero(p[0], p[1], p[2], d);
      };
      const i128 f0 = f(0), fm = f(-1), fp = f(1);
      const i128 f1 = (fp - fm) / 2, f2 = (fp + fm) / 2 - f0;
      const i128 esperado = f0 * (i128{1} << (2 * exponente)) + f1 * j * (i128{1} << exponente) + f2 * j * j;
      const double dx = en_x ? movido : x0 + static_cast<double>(p[3].x);
      const double dy = en_x ? y0 + static_cast<double>(p[3].y) : movido;
      const auto X = [&](P q) { return x0 + static_cast<double>(q.x); };
      const auto Y = [&](P q) { return y0 + static_cast<double>(q.y); };
      ASSERT_EQ(Incirculo(X(p[0]), Y(p[0]), X(p[1]), Y(p[1]), X(p[2]), Y(p[2]), dx, dy), Signo(esperado))
          << r << " " << k;
      ASSERT_EQ(Incirculo(dx, dy, X(p[1]), Y(p[1]), X(p[2]), Y(p[2]), X(p[0]), Y(p[0])), -Signo(esperado));
    }
  }
}

// Expansion arithmetic on integers stays integral, so its exact value can be summed back in 128 bits.
TEST(Predicados_Exactos, ExpansionesSumanYMultiplicanExacto) {
  using expansion::Diferencia;
  std::mt19937_64 rng(15);
  const auto valor = [](const auto& e) {
    i128 s = 0;
    for (int i = 0; i < e.n; ++i) s += static_cast<i128>(e.c[i]);
    return s;
  };
  const auto creciente = [](const auto& e) {
    for (int i = 1; i < e.n; ++i)
      if (std::fabs(e.c[i - 1]) >= std::fabs(e.c[i]) || e.c[i - 1] == 0) return false;
    return true;
  };
  for (int k = 0; k < 30000; ++k) {
    std::uniform_int_distribution<std::int64_t> U(-(1LL << (1 + k % 50)), 1LL << (1 + k % 50));
    const std::int64_t a = U(rng), b = U(rng), c = U(rng), d = U(rng);
    // Differences of integers up to 2^51 are exact doubles; their products reach 2^104.
    const auto p = Diferencia(static_cast<double>(a), static_cast<double>(b));
    const auto q = Diferencia(static_cast<double>(c), static_cast<double>(d));
    ASSERT_EQ(valor(p), i128{a} - b);
    const auto pq = p * q;
    ASSERT_EQ(valor(pq), (i128{a} - b) * (i128{c} - d));
    ASSERT_TRUE(creciente(pq));
    const auto suma = pq - p * p + q;
    ASSERT_EQ(valor(suma), (i128{a} - b) * (i128{c} - d) - (i128{a} - b) * (i128{a} - b) + (i128{c} - d));
    ASSERT_TRUE(creciente(suma));
    ASSERT_EQ(suma.Signo(), Signo(valor(suma)));
  }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
