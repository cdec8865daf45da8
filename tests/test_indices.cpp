// The small indexes the construction leans on, against plain references over many random operations: the tree
// of extremes over positions (set, cleared and grown while searched), the set of positions in bits (searched
// both ways, alone and with another) and the cells of a triangle on a grid (against the cells of its points).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "trilat/common/Arbol_Extremos.h"
#include "trilat/common/Conjunto_Bits.h"
#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat::prueba {
namespace {

TEST(Indices, ArbolDeExtremosComoUnaLista) {
  std::mt19937_64 rng(8);
  std::uniform_real_distribution<double> valor(-100, 100);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> lista(37);
  for (double& v : lista) v = valor(rng);
  Arbol_Extremos arbol(lista);
  for (int k = 0; k < 4000; ++k) {
    const auto pos = static_cast<std::size_t>(rng() % (lista.size() + 20));
    if (k % 5 == 4) {
      arbol.Quita(static_cast<Long>(pos));
      if (pos < lista.size()) lista[pos] = nan;
    } else {
      const double v = k % 13 == 0 ? nan : valor(rng);
      arbol.Pon(static_cast<Long>(pos), v);
      lista.resize(std::max(lista.size(), pos + 1), nan);
      lista[pos] = v;
    }
    // A NaN or cleared position is never found and counts for neither extreme; a limit is often a value held.
    const auto desde = static_cast<Long>(rng() % lista.size());
    const double limite = k % 2 ? lista[rng() % lista.size()] : valor(rng);
    const auto hasta = desde + static_cast<Long>(rng() % 30);
    Long mayor = -1, no_mayor = -1;
    double m0 = std::numeric_limits<double>::infinity(), m1 = -m0;
    for (auto p = static_cast<std::size_t>(desde); p < lista.size(); ++p) {
      if (mayor < 0 && lista[p] > limite) mayor = static_cast<Long>(p);
      if (no_mayor < 0 && lista[p] <= limite) no_mayor = static_cast<Long>(p);
      if (p < static_cast<std::size_t>(hasta) && !std::isnan(lista[p]))
        m0 = std::min(m0, lista[p]), m1 = std::max(m1, lista[p]);
    }
    ASSERT_EQ(arbol.Primero_Mayor(desde, limite), mayor) << k;
    ASSERT_EQ(arbol.Primero_No_Mayor(desde, limite), no_mayor) << k;
    double minimo = 0, maximo = 0;
    arbol.Extremos(desde, hasta, minimo, maximo);
    ASSERT_EQ(minimo, m0) << k;
    ASSERT_EQ(maximo, m1) << k;
  }
}

TEST(Indices, ConjuntoDeBitsComoUnaLista) {
  std::mt19937_64 rng(5);
  for (std::size_t n : {1, 63, 64, 65, 200, 1000}) {
    // Sparse, dense and all-or-nothing sets, so that searches cross empty and full words.
    for (double densidad : {0.0, 0.02, 0.5, 1.0}) {
      std::bernoulli_distribution esta(densidad);
      Conjunto_Bits a(n, densidad == 1.0), b(n, true);
      std::vector<bool> ra(n, densidad == 1.0), rb(n, true);
      for (std::size_t k = 0; k < n; ++k) {
        const bool x = esta(rng), y = esta(rng) || densidad == 0.0;
        a.Pon(k, x), b.Pon(k, y);
        ra[k] = x, rb[k] = y;
      }
      std::uniform_int_distribution<long long> pos(0, static_cast<long long>(n) - 1);
      for (int prueba = 0; prueba < 2000; ++prueba) {
        const long long p = pos(rng), q = pos(rng), desde = std::min(p, q), hasta = std::max(p, q);
        long long sig = hasta + 1, sig_ambos = hasta + 1, ant = -1;
        for (long long k = hasta; k >= desde; --k) {
          const auto i = static_cast<std::size_t>(k);
          if (ra[i]) sig = k;
          if (ra[i] && rb[i]) sig_ambos = k;
          if (ra[i] && ant < 0) ant = k;
        }
        ASSERT_EQ(a.Siguiente(desde, hasta), sig) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Siguiente(desde, hasta, &b), sig_ambos) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Anterior(hasta, desde), ant) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Tiene(static_cast<std::size_t>(p)), ra[static_cast<std::size_t>(p)]);
      }
      // Empty ranges find nothing.
      EXPECT_TRUE(a.Siguiente(5, 4) == 5 && a.Anterior(3, 4) == -1);
    }
  }
}

// Every point of a triangle (corners, points along its edges, points inside) lies in a cell the walk visits, and the
// walk visits no cell twice: from slivers to triangles reaching far beyond the grid, at survey coordinates.
TEST(Indices, CeldasDeUnTrianguloComoLasDeSusPuntos) {
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> u(0, 1);
  long long visitadas = 0, de_cajas = 0;
  for (int k = 0; k < 3000; ++k) {
    const double x0 = k % 2 ? 431000 : 0, y0 = k % 2 ? 4581000 : 0, ancho = 1 + 999 * u(rng), alto = 1 + 999 * u(rng);
    const Rejilla_Uniforme rejilla({x0, y0, x0 + ancho, y0 + alto}, 1 + static_cast<double>(rng() % 5000));
    // Corners mostly within the grid, some beyond it; every third triangle a sliver.
    const auto esquina = [&] {
      const double f = k % 7 == 0 ? 3 : 1.2;
      return Vert{x0 + ancho * (f * u(rng) - (f - 1) / 2), y0 + alto * (f * u(rng) - (f - 1) / 2)};
    };
    const Vert a = esquina(), b = esquina();
    const double t = u(rng);
    const Vert c = k % 3 ? esquina() : Vert{a.X + t * (b.X - a.X) + 1e-3 * u(rng), a.Y + t * (b.Y - a.Y)};
    std::multiset<std::size_t> celdas;
    rejilla.Recorre_Triangulo(a, b, c, [&](std::size_t celda) { celdas.insert(celda); });
    const auto en = [&](const Vert& p) { return celdas.count(rejilla.Celda(rejilla.Columna(p.X), rejilla.Fila(p.Y))); };
    ASSERT_EQ(std::set<std::size_t>(celdas.begin(), celdas.end()).size(), celdas.size()) << k;
    const Vert v[3] = {a, b, c};
    for (int e = 0; e < 3; ++e)
      for (int m = 0; m <= 64; ++m) {
        const Vert &p = v[e], &q = v[(e + 1) % 3];
        ASSERT_TRUE(en({p.X + m / 64.0 * (q.X - p.X), p.Y + m / 64.0 * (q.Y - p.Y)})) << k << " edge " << e << " " << m;
      }
    for (int m = 0; m < 200; ++m) {
      double r = u(rng), s = u(rng);
      if (r + s > 1) r = 1 - r, s = 1 - s;
      ASSERT_TRUE(en({a.X + r * (b.X - a.X) + s * (c.X - a.X), a.Y + r * (b.Y - a.Y) + s * (c.Y - a.Y)})) << k;
    }
    visitadas += static_cast<long long>(celdas.size());
    de_cajas += rejilla.Celdas_De(Caja::De(a, a).Con(Caja::De(b, c)));
  }
  // What it is for: far fewer cells than the triangles' boxes.
  EXPECT_LT(visitadas, de_cajas * 2 / 3);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
