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

// The completion takes shortcuts (a triangle of the Delaunay triangulation is tested for overlap only against kept
// triangles that are not, a kept triangle covers itself, boxes settle most pairs): on sweep outputs full of
// overlaps, repeats, zero-area and Delaunay triangles, its model is the one the rules give when every pair is tested,
// also when the triangles are measured in many stretches at once.
TEST(Completado, DescarteYRellenoComoConTodosLosPares) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Duplicados})
    for (std::uint64_t semilla = 1; semilla <= 12; ++semilla) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(semilla));
      const Nube c = Genera(f, 60, 100, semilla, semilla % 2 ? 500000 : 0, 0);
      Estado_Triangulos s;
      s.nPuntos = static_cast<Long>(c.size());
      s.Dist_Max = semilla % 3 ? 1000 : 30;
      for (std::size_t k = 0; k < c.size(); ++k) s.Puntos_Anfitrion.push_back({c.x[k], c.y[k]});
      // Delaunay triangles (some twice) mixed with arbitrary ones, which overlap them and each other.
      std::mt19937_64 rng(semilla);
      std::vector<std::array<Long, 3>> barrido;
      for (const auto& d : Triangulacion_Delaunay(c.x, c.y).Triangulos())
        for (int veces = 0; veces < (rng() % 5 == 0 ? 2 : 1); ++veces) barrido.push_back({d[0], d[1], d[2]});
      const auto punto = [&] { return static_cast<Long>(rng() % c.size()); };
      for (int k = 0; k < 40; ++k) barrido.push_back({punto(), punto(), punto()});
      std::shuffle(barrido.begin(), barrido.end(), rng);
      s.Triangs.Dimensiona(static_cast<Long>(barrido.size()));
      for (auto& v : barrido) {
        std::sort(v.begin(), v.end());
        const auto t = static_cast<std::size_t>(s.count++);
        s.Triangs.V1[t] = v[0], s.Triangs.V2[t] = v[1], s.Triangs.V3[t] = v[2];
        s.Triangs.Excluido[t] = A_Booleano(rng() % 10 == 0);
      }
      // In stretches of a few slots, on as many threads as there are.
      const Modelo m = Completa(s, 16);

      const auto p = [&](Long k) { return s.Puntos_Anfitrion[static_cast<std::size_t>(k)]; };
      const auto plano = [&](const std::array<Long, 3>& v) {
        return En_Sentido_Antihorario(p(v[0]), p(v[1]), p(v[2]));
      };
      std::vector<std::array<Long, 3>> tomados;
      for (Long t = 0; t < s.count; ++t) {
        const auto k = static_cast<std::size_t>(t);
        const std::array<Long, 3> v{s.Triangs.V1[k], s.Triangs.V2[k], s.Triangs.V3[k]};
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
        for (const auto& [a, b] : {std::pair{v[0], v[1]}, {v[0], v[2]}, {v[1], v[2]}}) cdt.Inserta_Restriccion(a, b);
      std::vector<std::array<Long, 3>> agregados;
      for (const auto& d : cdt.Triangulos()) {
        std::array<Long, 3> v{d[0], d[1], d[2]};
        std::sort(v.begin(), v.end());
        const XYZ A{p(v[0]).X, p(v[0]).Y, 0, 0}, B{p(v[1]).X, p(v[1]).Y, 0, 0}, C{p(v[2]).X, p(v[2]).Y, 0, 0};
        if (Lados_Largos(A, B, C, s.Dist_Max) || !(Radio_Circunscrito(p(d[0]), p(d[1]), p(d[2])) < 1000)) continue;
        const bool cubierto = std::any_of(tomados.begin(), tomados.end(), [&](const auto& u) {
          return std::all_of(v.begin(), v.end(), [&](Long k) { return En_Triangulo_Cerrado(plano(u), p(k)); });
        });
        if (!cubierto) agregados.push_back(v);
      }
      std::sort(agregados.begin(), agregados.end(),
                [](const auto& u, const auto& w) { return std::tie(u[2], u[1], u[0]) < std::tie(w[2], w[1], w[0]); });
      ASSERT_EQ(m.triangulos.size(), m.del_barrido + agregados.size());
      EXPECT_TRUE(std::equal(agregados.begin(), agregados.end(),
                             m.triangulos.begin() + static_cast<std::ptrdiff_t>(m.del_barrido)));
    }
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
