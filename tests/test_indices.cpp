// The small indexes the construction leans on, against plain references over many random operations: the tree
// of extremes over positions (set, cleared and grown while searched) and the set of positions in bits (searched
// both ways, alone and with another).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "trilat/common/Arbol_Extremos.h"
#include "trilat/common/Conjunto_Bits.h"

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
    Long mayor = -1, no_mayor = -1;
    for (auto p = static_cast<std::size_t>(desde); p < lista.size(); ++p) {
      if (mayor < 0 && lista[p] > limite) mayor = static_cast<Long>(p);
      if (no_mayor < 0 && lista[p] <= limite) no_mayor = static_cast<Long>(p);
    }
    ASSERT_EQ(arbol.Primero_Mayor(desde, limite), mayor) << k;
    ASSERT_EQ(arbol.Primero_No_Mayor(desde, limite), no_mayor) << k;
    const auto hasta = desde + static_cast<Long>(rng() % 30);
    double minimo = 0, maximo = 0;
    arbol.Extremos(desde, hasta, minimo, maximo);
    double m0 = std::numeric_limits<double>::infinity(), m1 = -m0;
    for (auto p = static_cast<std::size_t>(desde); p < lista.size() && p < static_cast<std::size_t>(hasta); ++p)
      if (!std::isnan(lista[p])) m0 = std::min(m0, lista[p]), m1 = std::max(m1, lista[p]);
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
          if (ra[static_cast<std::size_t>(k)]) sig = k;
          if (ra[static_cast<std::size_t>(k)] && rb[static_cast<std::size_t>(k)]) sig_ambos = k;
          if (ra[static_cast<std::size_t>(k)] && ant < 0) ant = k;
        }
        ASSERT_EQ(a.Siguiente(desde, hasta), sig) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Siguiente(desde, hasta, &b), sig_ambos) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Anterior(hasta, desde), ant) << n << " " << desde << " " << hasta;
        ASSERT_EQ(a.Tiene(static_cast<std::size_t>(p)), ra[static_cast<std::size_t>(p)]);
      }
      // Empty ranges find nothing.
      EXPECT_EQ(a.Siguiente(5, 4), 5);
      EXPECT_EQ(a.Anterior(3, 4), -1);
    }
  }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
