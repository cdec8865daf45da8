// The construction seen from the host: worked cases with their messages, and properties of its model over
// generated point sets of many shapes and over point sets that broke other triangulators.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "tests/support/Triangula.h"
#include "trilat/c_Triangulos/Barrido_Rapido.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat::prueba {
namespace {

// What each case returns, and what it says; after a message the host's output is as it was (nTri -7, the arrays
// unallocated).
TEST(Triangulacion, CasosQueDecidenElResultadoYSusMensajes) {
  const Mensaje sin_puntos{"No hay puntos para triangular", vbCritical, "Triangulacion:"},
      pocos{"No hay suficientes puntos para triangular", vbCritical, "Triangulacion:"},
      desborde{"Calcula triangulos 2 - Error nº  6:Overflow", vbCritical, "Vyr_Trilat"},
      sin_semilla{"NO ENCUENTRO TRIANGULOS..", vbOKOnly, std::nullopt},
      fuera_de_rango{"Calcula triangulos 2 - Error nº  9:Subscript out of range", vbCritical, "Vyr_Trilat"};
  const struct {
    Nube puntos;
    double dist_max;
    Long nTri;
    std::size_t triangulos;
    std::vector<Mensaje> mensajes;
  } casos[] = {
      // One triangle found by the seed search: returned at index 0 with nTri = 0.
      {De_Lista({{0, 0}, {1, 0}, {0.5, 1}}), 10, 0, 1, {}},
      // Every candidate circle holds the point just left of the first one: the fallback seed, after its message.
      {De_Lista({{0, 0}, {0, 1}, {1, 0.5}}), 10, 0, 1, {sin_semilla}},
      // A side exactly as long as the maximum is allowed.
      {De_Lista({{0, 0}, {3, 0}, {0, 4}}), 5, 0, 1, {}},
      {De_Lista({{0, 0}, {3, 0}, {0, 4}}), 4.999, 0, 0, {}},
      {De_Lista({{0, 0}, {1, 0}}), 10, -7, 0, {sin_puntos}},
      // Coordinates whose differences square beyond the doubles.
      {De_Lista({{1e200, 1e200}, {2e200, 1e200}, {1e200, 2e200}, {2e200, 2e200}}), 10, -7, 0, {desborde}},
      // Three points closer together than the cleaning tolerance.
      {De_Lista({{5, 5}, {5.01, 5}, {5, 5.015}, {5.005, 5.005}}), 10, -7, 0, {pocos}},
  };
  for (std::size_t k = 0; k < std::size(casos); ++k) {
    SCOPED_TRACE(k);
    const auto r = Triangula(casos[k].puntos, casos[k].dist_max);
    EXPECT_EQ(r.nTri, casos[k].nTri);
    EXPECT_EQ(r.tris.size(), casos[k].triangulos);
    EXPECT_EQ(r.mensajes, casos[k].mensajes);
    EXPECT_EQ(r.Vt1.Allocated(), casos[k].nTri != -7);
  }
  // Every side longer than the maximum: the construction runs, nothing is returned, in the bounds of the whole
  // construction (not trimmed).
  const auto r = Triangula(Genera(Forma::Rejilla, 25, 50, 1), 5);
  EXPECT_TRUE(r.nTri == 0 && r.tris.empty() && r.Vt1.LBound() == 0 && r.Vt1.UBound() > 0);

  // Arrays the host got wrong: X, Y, Z or the flags shorter than nPt; ten points of which two are active (a flag
  // of 1 is not True).
  for (int cual = 0; cual < 5; ++cual) {
    Arrays_Anfitrion a(Genera(Forma::Uniforme, 10, 100, 3));
    if (cual < 3) (cual == 0 ? a.X : cual == 1 ? a.Y : a.Z).ReDim_Preserve(1, a.nPt - 1);
    if (cual == 3) a.Actic.ReDim_Preserve(1, a.nPt - 1);
    for (Long i = 3; i <= a.nPt && cual == 4; ++i) a.Actic(i) = i % 2 ? 1 : False;
    c_Triangulos t;
    Prepara(t, 100);
    const auto r = Calcula(t, a);
    EXPECT_EQ(r.mensajes, std::vector<Mensaje>{cual == 4 ? sin_puntos : fuera_de_rango}) << cual;
    EXPECT_EQ(r.nTri, -7) << cual;
  }
}

// The returned corners are active host points, three distinct ones; no two triangles overlap and none has zero
// area, whatever the shape of the survey. And the model is complete: every triangle of the cleaned points'
// Delaunay triangulation that meets both limits and overlaps no triangle the sweep returned is in it.
TEST(Triangulacion, PropiedadesSobreNubesGeneradas) {
  auto nubes = Lee_Conjuntos(std::filesystem::path(TRILAT_TEST_DATA_DIR) / "robustness");
  for (Forma f : {Forma::Uniforme, Forma::Agrupada, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada,
                  Forma::Duplicados, Forma::Pocos, Forma::Circular, Forma::Atipica})
    for (std::uint64_t semilla = 1; semilla <= 6; ++semilla)
      nubes.emplace_back(Nombre(f) + " semilla " + std::to_string(semilla),
                         Genera(f, 150, 100, semilla, semilla % 2 ? 500000 : 0, semilla % 2 ? 4500000 : 0));
  for (const auto& [nombre, c] : nubes)
    for (double dist_max : {1e6, 25.0, 9.0, 0.5}) {
      SCOPED_TRACE(nombre + " Dist_Max " + std::to_string(dist_max));
      Arrays_Anfitrion a(c);
      for (Long i = 1; i <= a.nPt; i += 7) a.Actic(i) = False;
      c_Triangulos t;
      Prepara(t, dist_max);
      const auto r = Calcula(t, a);
      const auto problemas = Verifica(c.x, c.y, r.tris);
      ASSERT_TRUE(problemas.empty()) << problemas.front();
      for (const auto& tr : r.tris)
        for (Long v : {tr.a, tr.b, tr.c}) ASSERT_EQ(a.Actic(v), True);
      EXPECT_TRUE(r.tris.size() < 2 || (r.nTri + 1 == std::ssize(r.tris) && r.Vt1.UBound() == r.nTri));
      const auto& s = t.Estado();
      ASSERT_EQ(static_cast<std::size_t>(s.Del_Barrido + s.Del_Completado), r.tris.size());

      const auto ascendente = [](std::array<Long, 3> e) {
        std::sort(e.begin(), e.end());
        return e;
      };
      std::set<std::array<Long, 3>> modelo;
      for (const auto& tr : r.tris) modelo.insert(ascendente({tr.a, tr.b, tr.c}));
      const auto punto = [&](Long n) { return Vert{a.X(n), a.Y(n)}; };
      const auto plano = [&](const Tri& k) { return En_Sentido_Antihorario(punto(k.a), punto(k.b), punto(k.c)); };
      const auto xyz = [&](Long n) { return XYZ{a.X(n), a.Y(n), 0, 0}; };
      std::vector<double> x, y;
      for (const Vert& p : s.Puntos_Anfitrion) x.push_back(p.X), y.push_back(p.Y);
      for (const auto& d : Triangulacion_Delaunay(x, y).Triangulos()) {
        const auto numero = [&](int k) { return s.Puntos_Trab[static_cast<std::size_t>(d[k])].n; };
        const Tri td{numero(0), numero(1), numero(2)};
        if (Lados_Largos(xyz(td.a), xyz(td.b), xyz(td.c), dist_max) ||
            !(Radio_Circunscrito(punto(td.a), punto(td.b), punto(td.c)) < 1000))
          continue;
        const bool solapa = std::any_of(r.tris.begin(), r.tris.begin() + s.Del_Barrido,
                                        [&](const Tri& k) { return Interiores_Se_Solapan(plano(k), plano(td)); });
        EXPECT_TRUE(solapa || modelo.count(ascendente({td.a, td.b, td.c})))
            << "missing " << td.a << " " << td.b << " " << td.c;
      }
    }
}

// Points exactly on one circle with nothing inside it leave every circle through them empty, and the sweep would
// join each to every edge before it: some 30 million triangles here. It stops at a few per point, and the
// completion still makes a sound model in which every point that can takes part.
thread_local Long formados = 0;
bool Cuenta_Formados(Estado_Triangulos& s) {
  const bool r = Construye_Rapido(s);
  formados = s.count;
  return r;
}

TEST(Triangulacion, BordeDeDepositoSinInteriorAcabaPronto) {
  constexpr std::size_t n = 1200;
  const Nube c = Genera(Forma::Circular, n, 100, 1);
  for (const double dist_max : {1e6, 3.0}) {
    SCOPED_TRACE(dist_max);
    Arrays_Anfitrion a(c);
    c_Triangulos t(Cuenta_Formados);
    Prepara(t, dist_max);
    const auto r = Calcula(t, a);
    EXPECT_LT(formados, 20 * static_cast<Long>(n));
    const auto problemas = Verifica(c.x, c.y, r.tris);
    ASSERT_TRUE(problemas.empty()) << problemas.front();
    // The points outside lie farther apart than the shorter side allows: then only the rim's must all take part.
    std::set<Long> usados;
    for (const auto& tr : r.tris) usados.insert({tr.a, tr.b, tr.c});
    for (std::size_t i = 0; i < n; ++i)
      EXPECT_TRUE((dist_max < 100 && i % 4 == 3) || usados.count(static_cast<Long>(i + 1))) << "point " << i + 1;
  }
}

// With a search window wider than the survey every empty-circle scan covers every point, so no triangle the
// sweep returns may hold a point inside its circumcircle.
TEST(Triangulacion, CircunferenciasVaciasEnConjuntosPequenos) {
  for (Forma f : {Forma::Uniforme, Forma::Agrupada})
    for (std::uint64_t semilla = 10; semilla < 30; ++semilla) {
      const Nube c = Genera(f, 60, 100, semilla);
      c_Triangulos tri;
      Prepara(tri, 1e5);
      Arrays_Anfitrion arrays(c);
      const auto r = Calcula(tri, arrays);
      ASSERT_FALSE(r.tris.empty());
      // A fallback seed (after its message) is formed without the test; it comes first.
      for (std::size_t i = r.mensajes.empty() ? 0 : 1; i < static_cast<std::size_t>(tri.Estado().Del_Barrido); ++i) {
        const auto [a, b, d] = r.tris[i];
        const auto x = [&](Long k) { return c.x[static_cast<std::size_t>(k - 1)]; };
        const auto y = [&](Long k) { return c.y[static_cast<std::size_t>(k - 1)]; };
        const int giro = Orientacion(x(a), y(a), x(b), y(b), x(d), y(d));
        for (Long k = 1; k <= arrays.nPt; ++k)
          EXPECT_LE(giro * Incirculo(x(a), y(a), x(b), y(b), x(d), y(d), x(k), y(k)), 0)
              << Nombre(f) << " semilla " << semilla << ": point " << k << " inside (" << a << " " << b << " " << d
              << ")";
      }
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
