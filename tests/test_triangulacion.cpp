// The construction seen from the host: worked cases with their messages, and properties of its output over
// generated point sets of many shapes.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/Triangula.h"

namespace Vyr_Trilat::prueba {
namespace {

Nube De_Lista(std::initializer_list<std::pair<double, double>> pts) {
  Nube c;
  for (const auto& [x, y] : pts) {
    c.x.push_back(x);
    c.y.push_back(y);
    c.z.push_back(0);
  }
  return c;
}

// What each case returns, and what it says; after a message the host's output is as it was (nTri -7, the arrays
// unallocated).
TEST(Triangulacion, CasosQueDecidenElResultadoYSusMensajes) {
  const Mensaje sin_puntos{"No hay puntos para triangular", vbCritical, "Triangulacion:"},
      pocos{"No hay suficientes puntos para triangular", vbCritical, "Triangulacion:"},
      desborde{"Calcula triangulos 2 - Error nº  6:Overflow", vbCritical, "Vyr_Trilat"},
      sin_semilla{"NO ENCUENTRO TRIANGULOS..", vbOKOnly, std::nullopt};
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

  // Ten points of which two are active; a flag of 1 is not True.
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 10, 100, 3));
  for (Long i = 1; i <= a.nPt; ++i) a.Actic(i) = i <= 2 ? True : (i % 2 ? 1 : False);
  c_Triangulos t;
  Prepara(t, 100);
  const auto activos = Calcula(t, a);
  EXPECT_EQ(activos.mensajes, std::vector<Mensaje>{sin_puntos});
  EXPECT_EQ(activos.nTri, -7);
}

TEST(Triangulacion, ArrayMasCortoQueNPtEsElError9) {
  const Nube c = Genera(Forma::Uniforme, 20, 100, 4);
  for (int cual = 0; cual < 4; ++cual) {
    Arrays_Anfitrion a(c);
    if (cual == 3) {
      a.Actic.ReDim_Preserve(1, a.nPt - 1);
    } else {
      (cual == 0 ? a.X : cual == 1 ? a.Y : a.Z).ReDim_Preserve(1, a.nPt - 1);
    }
    c_Triangulos t;
    Prepara(t, 100);
    const auto r = Calcula(t, a);
    EXPECT_EQ(
        r.mensajes,
        (std::vector<Mensaje>{{"Calcula triangulos 2 - Error nº  9:Subscript out of range", vbCritical, "Vyr_Trilat"}}))
        << cual;
    EXPECT_EQ(r.nTri, -7);
  }
}

// The returned corners are active host points, three distinct ones; no two triangles overlap and none has zero
// area, whatever the shape of the survey.
TEST(Triangulacion, PropiedadesSobreNubesGeneradas) {
  const Forma formas[] = {Forma::Uniforme, Forma::Agrupada,   Forma::Rejilla, Forma::Rejilla_Movida,
                          Forma::Alineada, Forma::Duplicados, Forma::Pocos};
  for (Forma f : formas)
    for (std::uint64_t semilla = 1; semilla <= 6; ++semilla)
      for (double dist_max : {1000.0, 12.0}) {
        const double x0 = semilla % 2 ? 500000 : 0, y0 = semilla % 2 ? 4500000 : 0;
        const Nube c = Genera(f, 150, 100, semilla, x0, y0);
        Arrays_Anfitrion a(c);
        for (Long i = 1; i <= a.nPt; i += 7) a.Actic(i) = False;
        c_Triangulos t;
        Prepara(t, dist_max);
        const auto r = Calcula(t, a);
        const auto& tris = r.tris;
        const std::string caso =
            Nombre(f) + " semilla " + std::to_string(semilla) + " Dist_Max " + std::to_string(dist_max);
        const auto problemas = Verifica(c.x, c.y, tris);
        EXPECT_TRUE(problemas.empty()) << caso << ": " << problemas.front();
        for (const auto& tr : tris)
          for (Long v : {tr.a, tr.b, tr.c}) EXPECT_EQ(a.Actic(v), True) << caso;
        if (tris.size() >= 2) {
          EXPECT_EQ(r.nTri + 1, static_cast<Long>(tris.size())) << caso;
          EXPECT_EQ(r.Vt1.UBound(), r.nTri) << caso;
        }
      }
}

// With a search window wider than the survey every empty-circle scan covers every point, so no triangle the
// sweep returns may hold a point strictly inside its circumcircle (beyond the construction's slack).
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
      const std::size_t desde = r.mensajes.empty() ? 0 : 1;
      for (std::size_t i = desde; i < static_cast<std::size_t>(tri.Estado().Del_Barrido); ++i) {
        const Tri& t = r.tris[i];
        const auto p = [&](Long k) { return std::pair<long double, long double>{c.x[k - 1], c.y[k - 1]}; };
        const auto [ax, ay] = p(t.a);
        const auto [bx, by] = p(t.b);
        const auto [cx, cy] = p(t.c);
        const long double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
        const long double ux =
            ((ax * ax + ay * ay) * (by - cy) + (bx * bx + by * by) * (cy - ay) + (cx * cx + cy * cy) * (ay - by)) / d;
        const long double uy =
            ((ax * ax + ay * ay) * (cx - bx) + (bx * bx + by * by) * (ax - cx) + (cx * cx + cy * cy) * (bx - ax)) / d;
        const long double r2 = (ax - ux) * (ax - ux) + (ay - uy) * (ay - uy);
        for (std::size_t k = 0; k < c.size(); ++k) {
          const long double dx = c.x[k] - ux, dy = c.y[k] - uy;
          EXPECT_FALSE(dx * dx + dy * dy + 0.001L < r2) << Nombre(f) << " semilla " << semilla << ": point " << k + 1
                                                        << " inside (" << t.a << " " << t.b << " " << t.c << ")";
        }
      }
    }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
