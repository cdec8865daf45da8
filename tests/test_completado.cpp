// The completion of the sweep's model against its rules applied pair by pair, and the triangulation it works on,
// begun ahead of the sweep.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "tests/support/Triangula.h"
#include "trilat/c_Triangulos/Barrido_Rapido.h"
#include "trilat/c_Triangulos/Completado.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat::prueba {
namespace {

using Trio = std::array<Long, 3>;

// The run's tables holding these points and, as the sweep left them, these triangles (corners ascending).
Estado_Triangulos Tablas(const std::vector<Vert>& puntos, std::vector<Trio> barrido) {
  Estado_Triangulos s;
  s.Puntos_Anfitrion = puntos;
  s.nPuntos = static_cast<Long>(puntos.size());
  s.Triangs.Dimensiona(static_cast<Long>(barrido.size()));
  for (auto& v : barrido) {
    std::sort(v.begin(), v.end());
    const auto t = static_cast<std::size_t>(s.count++);
    s.Triangs.V1[t] = v[0], s.Triangs.V2[t] = v[1], s.Triangs.V3[t] = v[2];
  }
  return s;
}

// The completion takes shortcuts (a triangle of the Delaunay triangulation is tested for overlap only against kept
// triangles that are not, a kept triangle covers itself, boxes settle most pairs): on sweep outputs full of
// overlaps, repeats, zero-area and Delaunay triangles, its model is the one the rules give when every pair is tested,
// also when the triangles are measured in many stretches at once.
TEST(Completado, DescarteYRellenoComoConTodosLosPares) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Duplicados})
    for (std::uint64_t semilla = 1; semilla <= 12; ++semilla) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(semilla));
      const Nube c = Genera(f, 60, 100, semilla, semilla % 2 ? 500000 : 0, 0);
      std::vector<Vert> puntos;
      for (std::size_t k = 0; k < c.size(); ++k) puntos.push_back({c.x[k], c.y[k]});
      // Delaunay triangles (some twice) mixed with arbitrary ones, which overlap them and each other.
      std::mt19937_64 rng(semilla);
      std::vector<Trio> barrido;
      for (const auto& d : Triangulacion_Delaunay(c.x, c.y).Triangulos())
        for (int veces = 0; veces < (rng() % 5 == 0 ? 2 : 1); ++veces) barrido.push_back({d[0], d[1], d[2]});
      const auto punto = [&] { return static_cast<Long>(rng() % c.size()); };
      for (int k = 0; k < 40; ++k) barrido.push_back({punto(), punto(), punto()});
      std::shuffle(barrido.begin(), barrido.end(), rng);
      Estado_Triangulos s = Tablas(puntos, barrido);
      s.Dist_Max = semilla % 3 ? 1000 : 30;
      for (Long t = 0; t < s.count; ++t) s.Triangs.Excluido[static_cast<std::size_t>(t)] = A_Booleano(rng() % 10 == 0);
      // In stretches of a few slots, on as many threads as there are.
      const Modelo m = Completa(s, 16);

      const auto p = [&](Long k) { return puntos[static_cast<std::size_t>(k)]; };
      const auto plano = [&](const Trio& v) { return En_Sentido_Antihorario(p(v[0]), p(v[1]), p(v[2])); };
      std::vector<Trio> tomados;
      for (Long t = 0; t < s.count; ++t) {
        const auto k = static_cast<std::size_t>(t);
        const Trio v{s.Triangs.V1[k], s.Triangs.V2[k], s.Triangs.V3[k]};
        if (Es_Verdadero(s.Triangs.Excluido[k]) ||
            Orientacion(p(v[0]).X, p(v[0]).Y, p(v[1]).X, p(v[1]).Y, p(v[2]).X, p(v[2]).Y) == 0)
          continue;
        if (std::none_of(tomados.begin(), tomados.end(),
                         [&](const auto& u) { return Interiores_Se_Solapan(plano(u), plano(v)); }))
          tomados.push_back(v);
      }
      ASSERT_EQ(m.del_barrido, tomados.size());
      EXPECT_TRUE(std::equal(tomados.begin(), tomados.end(), m.triangulos.begin()));

      Triangulacion_Delaunay cdt(c.x, c.y);
      for (const auto& v : tomados)
        for (int i = 0; i < 3; ++i) cdt.Inserta_Restriccion(v[i], v[(i + 1) % 3]);
      // Every triangle without a long side is in the model: within a kept one, or added. Those too wide a circle
      // (slivers) all lie inside the model here; one beside open ground, left out, is the next test's.
      std::vector<Trio> agregados;
      for (const auto& d : cdt.Triangulos()) {
        Trio v{d[0], d[1], d[2]};
        std::sort(v.begin(), v.end());
        const auto xyz = [&](Long k) { return XYZ{p(k).X, p(k).Y, 0, 0}; };
        if (!Lados_Largos(xyz(v[0]), xyz(v[1]), xyz(v[2]), s.Dist_Max) &&
            std::none_of(tomados.begin(), tomados.end(), [&](const auto& u) {
              return std::all_of(v.begin(), v.end(), [&](Long k) { return En_Triangulo_Cerrado(plano(u), p(k)); });
            }))
          agregados.push_back(v);
      }
      std::sort(agregados.begin(), agregados.end(),
                [](const auto& u, const auto& w) { return std::tie(u[2], u[1], u[0]) < std::tie(w[2], w[1], w[0]); });
      ASSERT_EQ(m.triangulos.size(), m.del_barrido + agregados.size());
      EXPECT_TRUE(std::equal(agregados.begin(), agregados.end(),
                             m.triangulos.begin() + static_cast<std::ptrdiff_t>(m.del_barrido)));
    }
}

// A sliver of three nearly collinear points (circle 1,500 wide) beside kept triangles: covered where the model or
// short triangles close round it, left open beside open ground and on the convex hull.
TEST(Completado, AstillaRellenaSoloDentroDelModelo) {
  // A (0,0), B (0,60), M (0.3,30), then three points to the right and three at `izquierda` to the left.
  const auto completa = [](double izquierda, bool con_izquierda, bool triangulos_izquierda) {
    std::vector<Vert> puntos;
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {0.0, 60.0}, {0.3, 30.0}, {10.0, 0.0}, {10.0, 30.0}, {10.0, 60.0}})
      puntos.push_back({500000 + x, 4500000 + y});
    if (con_izquierda)
      for (const double y : {0.0, 30.0, 60.0}) puntos.push_back({500000 + izquierda, 4500000 + y});
    std::vector<Trio> barrido{{0, 2, 3}, {2, 3, 4}, {1, 2, 4}, {1, 4, 5}};
    if (triangulos_izquierda) barrido.insert(barrido.end(), {{0, 6, 7}, {0, 1, 7}, {1, 7, 8}});
    Estado_Triangulos s = Tablas(puntos, barrido);
    s.Dist_Max = 100;
    const Modelo m = Completa(s);
    return std::any_of(m.triangulos.begin(), m.triangulos.end(), [&](const auto& v) {
      const auto p = [&](Long k) { return puntos[static_cast<std::size_t>(k)]; };
      return En_Triangulo_Cerrado(En_Sentido_Antihorario(p(v[0]), p(v[1]), p(v[2])), {500000.1, 4500030});
    });
  };
  EXPECT_TRUE(completa(-10, true, true));
  EXPECT_TRUE(completa(-10, true, false));    // the triangles to its left are added
  EXPECT_FALSE(completa(-150, true, false));  // beyond them lies open ground
  EXPECT_FALSE(completa(0, false, false));    // its long side is on the convex hull
}

// On many points the triangulation is begun ahead, from the cleaned points in their own order: renamed by sweep
// position, it must be the one the working points give, and the run must still return a sound model.
thread_local bool adelantada = false;
thread_local std::vector<std::array<int, 3>> de_la_adelantada, de_los_puntos;
bool Compara_Delaunay(Estado_Triangulos& s) {
  adelantada = s.Delaunay_En_Curso != nullptr;
  de_la_adelantada = Delaunay_Anfitrion(s).Triangulos();
  std::vector<double> x, y;
  for (const Vert& p : s.Puntos_Anfitrion) x.push_back(p.X), y.push_back(p.Y);
  de_los_puntos = Triangulacion_Delaunay(x, y).Triangulos();
  return Construye_Rapido(s);
}

TEST(Completado, TriangulacionAdelantadaIgualALaDeLosPuntosDeTrabajo) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Duplicados, Forma::Filas_Niveladas})
    for (std::uint64_t semilla : {1, 2}) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(semilla));
      const std::size_t n = 3 * Delaunay_Adelantada::kMinimo_Puntos + 500 * semilla;  // duplicates among them
      const Nube c = Genera(f, n, 300, semilla, semilla % 2 ? 500000 : 0, semilla % 2 ? 4500000 : 0);
      c_Triangulos t(Compara_Delaunay);
      Prepara(t, 6);
      Arrays_Anfitrion a(c);
      const auto r = Calcula(t, a);
      EXPECT_TRUE(adelantada);
      EXPECT_EQ(de_la_adelantada, de_los_puntos);
      const auto problemas = Verifica(c.x, c.y, r.tris);
      EXPECT_TRUE(problemas.empty()) << problemas.front();
      // A run stopped before anything takes it does not keep it, nor its thread.
      c_Triangulos u([](Estado_Triangulos&) { return false; });
      Prepara(u, 6);
      Arrays_Anfitrion b(c);
      Calcula(u, b);
      EXPECT_EQ(u.Estado().Delaunay_En_Curso, nullptr);
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
