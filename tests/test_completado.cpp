// The completed model: sound on any survey, and complete where short triangles belong.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <set>
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

double Radio(const Nube& c, const std::array<int, 3>& t) {
  const auto p = [&](int k) { return Vert{c.x[static_cast<std::size_t>(k)], c.y[static_cast<std::size_t>(k)]}; };
  const Vert a = p(t[0]), b = p(t[1]), d = p(t[2]);
  const double ab = std::hypot(b.X - a.X, b.Y - a.Y), bd = std::hypot(d.X - b.X, d.Y - b.Y);
  const double da = std::hypot(a.X - d.X, a.Y - d.Y);
  return ab * bd * da / (2 * std::fabs((b.X - a.X) * (d.Y - a.Y) - (b.Y - a.Y) * (d.X - a.X)));
}

// Every triangle of the points' Delaunay triangulation that meets both limits and overlaps no triangle the
// sweep returned is in the model: the sweep's gaps are filled wherever short triangles belong.
TEST(Completado, ModeloCompletoDondeCabenTriangulosCortos) {
  for (Forma f : {Forma::Uniforme, Forma::Agrupada})
    for (std::uint64_t semilla = 1; semilla <= 8; ++semilla)
      for (double dist_max : {1000.0, 25.0, 9.0}) {
        const Nube c = Genera(f, 400, 200, semilla, semilla % 2 ? 500000 : 0, semilla % 2 ? 4500000 : 0);
        c_Triangulos t;
        Prepara(t, dist_max);
        Arrays_Anfitrion a(c);
        const auto r = Calcula(t, a);
        const std::string caso = Nombre(f) + " " + std::to_string(semilla) + " " + std::to_string(dist_max);
        const auto problemas = Verifica(c.x, c.y, r.tris);
        ASSERT_TRUE(problemas.empty()) << caso << ": " << problemas.front();
        ASSERT_EQ(static_cast<std::size_t>(t.Estado().Del_Barrido + t.Estado().Del_Completado), r.tris.size());

        std::set<std::array<Long, 3>> modelo;
        for (const auto& tr : r.tris) {
          std::array<Long, 3> v{tr.a, tr.b, tr.c};
          std::sort(v.begin(), v.end());
          modelo.insert(v);
        }
        const auto plano = [&](Long u, Long v, Long w) {
          const auto p = [&](Long k) {
            return Vert{c.x[static_cast<std::size_t>(k - 1)], c.y[static_cast<std::size_t>(k - 1)]};
          };
          return En_Sentido_Antihorario(p(u), p(v), p(w));
        };
        const auto xyz = [&](int k) {
          return XYZ{c.x[static_cast<std::size_t>(k)], c.y[static_cast<std::size_t>(k)], 0, 0};
        };
        for (const auto& d : Triangulacion_Delaunay(c.x, c.y).Triangulos()) {
          if (Lados_Largos(xyz(d[0]), xyz(d[1]), xyz(d[2]), dist_max) || !(Radio(c, d) < 1000)) continue;
          const auto td = plano(d[0] + 1, d[1] + 1, d[2] + 1);
          bool solapa_barrido = false;
          for (std::size_t k = 0; k < static_cast<std::size_t>(t.Estado().Del_Barrido); ++k)
            if (Interiores_Se_Solapan(plano(r.tris[k].a, r.tris[k].b, r.tris[k].c), td)) solapa_barrido = true;
          if (solapa_barrido) continue;
          std::array<Long, 3> v{d[0] + 1, d[1] + 1, d[2] + 1};
          std::sort(v.begin(), v.end());
          EXPECT_TRUE(modelo.count(v)) << caso << ": missing " << v[0] << " " << v[1] << " " << v[2];
        }
      }
}

// The completion takes shortcuts (a triangle of the Delaunay triangulation is tested for overlap only against kept
// triangles that are not, a kept triangle covers itself, boxes settle most pairs): on sweep outputs full of
// overlaps, repeats, zero-area and Delaunay triangles, its model is the one the rules give when every pair is tested,
// also when the triangles are measured in many stretches at once.
TEST(Completado, DescarteYRellenoComoConTodosLosPares) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Duplicados})
    for (std::uint64_t semilla = 1; semilla <= 12; ++semilla) {
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
      for (int k = 0; k < 40; ++k)
        barrido.push_back({static_cast<Long>(rng() % c.size()), static_cast<Long>(rng() % c.size()),
                           static_cast<Long>(rng() % c.size())});
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
      const std::string caso = Nombre(f) + " " + std::to_string(semilla);
      ASSERT_EQ(m.del_barrido, tomados.size()) << caso;
      EXPECT_TRUE(std::equal(tomados.begin(), tomados.end(), m.triangulos.begin())) << caso;

      Triangulacion_Delaunay cdt(c.x, c.y);
      for (const auto& v : tomados)
        for (const auto& [a, b] : {std::pair{v[0], v[1]}, {v[0], v[2]}, {v[1], v[2]}}) cdt.Inserta_Restriccion(a, b);
      std::vector<std::array<Long, 3>> agregados;
      for (const auto& d : cdt.Triangulos()) {
        std::array<Long, 3> v{d[0], d[1], d[2]};
        std::sort(v.begin(), v.end());
        const XYZ A{p(v[0]).X, p(v[0]).Y, 0, 0}, B{p(v[1]).X, p(v[1]).Y, 0, 0}, C{p(v[2]).X, p(v[2]).Y, 0, 0};
        if (Lados_Largos(A, B, C, s.Dist_Max) || !(Radio(c, {d[0], d[1], d[2]}) < 1000)) continue;
        const bool cubierto = std::any_of(tomados.begin(), tomados.end(), [&](const auto& u) {
          return std::all_of(v.begin(), v.end(), [&](Long k) { return En_Triangulo_Cerrado(plano(u), p(k)); });
        });
        if (!cubierto) agregados.push_back(v);
      }
      std::sort(agregados.begin(), agregados.end(),
                [](const auto& u, const auto& w) { return std::tie(u[2], u[1], u[0]) < std::tie(w[2], w[1], w[0]); });
      ASSERT_EQ(m.triangulos.size(), m.del_barrido + agregados.size()) << caso;
      EXPECT_TRUE(std::equal(agregados.begin(), agregados.end(),
                             m.triangulos.begin() + static_cast<std::ptrdiff_t>(m.del_barrido)))
          << caso;
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
      const std::size_t n = 3 * Delaunay_Adelantada::kMinimo_Puntos + 500 * semilla;  // duplicates among them
      const Nube c = Genera(f, n, 300, semilla, semilla % 2 ? 500000 : 0, semilla % 2 ? 4500000 : 0);
      c_Triangulos t(Compara_Delaunay);
      Prepara(t, 6);
      Arrays_Anfitrion a(c);
      const auto r = Calcula(t, a);
      const std::string caso = Nombre(f) + " " + std::to_string(semilla);
      EXPECT_TRUE(adelantada) << caso;
      EXPECT_EQ(de_la_adelantada, de_los_puntos) << caso;
      const auto problemas = Verifica(c.x, c.y, r.tris);
      EXPECT_TRUE(problemas.empty()) << caso << ": " << problemas.front();
      // A run stopped before anything takes it does not keep it, nor its thread.
      c_Triangulos u([](Estado_Triangulos&) { return false; });
      Prepara(u, 6);
      Arrays_Anfitrion b(c);
      Calcula(u, b);
      EXPECT_EQ(u.Estado().Delaunay_En_Curso, nullptr) << caso;
    }
}

// Point sets that once broke well-known triangulators: near-duplicates a few ulps apart, near-collinear runs,
// wide coordinate ranges. Whatever the model, it is sound and the run ends.
TEST(Completado, ConjuntosQueRompieronTrianguladores) {
  const auto conjuntos = Lee_Conjuntos(std::filesystem::path(TRILAT_TEST_DATA_DIR) / "robustness");
  EXPECT_GE(conjuntos.size(), 8u);
  for (const auto& [archivo, c] : conjuntos)
    for (double dist_max : {1e6, 100.0, 3.0, 0.5}) {
      const auto r = Triangula(c, dist_max);
      const auto problemas = Verifica(c.x, c.y, r.tris);
      EXPECT_TRUE(problemas.empty()) << archivo << " " << dist_max << ": " << problemas.front();
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
