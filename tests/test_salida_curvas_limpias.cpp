// Contours of generated terrains, smoothed and not, at whole and decimal equidistances, as the command writes them:
// the same lines through each vertex once, levels that read as the equidistance's decimals, rings that close.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "hosts/cli/Curvas_Limpias.h"
#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Terrenos.h"

namespace Vyr_Trilat::prueba {
namespace {

std::vector<Pto3D> Vertices(const Curva& c) {
  std::vector<Pto3D> v;
  for (Long k = c.Vertices.LBound(); k <= c.Vertices.UBound(); ++k) v.push_back(c.Vertices(k));
  return v;
}

// The distance from p to the segment ab.
double Distancia(const Pto3D& p, const Pto3D& a, const Pto3D& b) {
  const double ux = b.X - a.X, uy = b.Y - a.Y, px = p.X - a.X, py = p.Y - a.Y;
  const double l2 = ux * ux + uy * uy;
  const double t = l2 > 0 ? std::clamp((px * ux + py * uy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(px - t * ux, py - t * uy);
}

TEST(Curvas_Limpias, MismasLineasCadaVerticeUnaVezCotasDecimalesAnillosCerrados) {
  Ajustes_Temporales ajustes;
  long long quitados = 0, cerrados = 0, limpiadas = 0;
  for (std::uint64_t semilla = 1; semilla <= 2; ++semilla)
    for (const Relieve r : {Relieve::Suave, Relieve::Rugoso, Relieve::Mesetas, Relieve::Cerro})
      for (const double e : {1.0, 0.1, 0.25, 2.0})
        for (const Boolean suave : {False, True}) {
          SCOPED_TRACE(::testing::Message() << semilla << " " << static_cast<int>(r) << " " << e << " " << suave);
          Modelo m = Triangulado(r, Forma::Uniforme, 400, 100, 1e5, semilla);
          // Elevations about zero, so that one level is 0.
          for (Long i = 1; i <= m.nPun; ++i) m.Z(i) -= 0.5 * (m.Z_Max() + m.Z_Min());
          Ajustes_Curvado a;
          a.e_finas = e, a.e_maestras = 5 * e, a.suavizar = suave;
          const Datos_Curvas d = Curvado(m, a).datos;
          const Datos_Curvas l = anfitrion::Curvas_Limpias(d);
          ASSERT_EQ(l.nCurvas, d.nCurvas);
          for (Long i = 1; i <= d.nCurvas; ++i) {
            const std::vector<Pto3D> antes = Vertices(d.Curvas(i)), despues = Vertices(l.Curvas(i));
            ASSERT_GE(despues.size(), 2u);
            EXPECT_EQ(l.Curvas(i).Ultimo, l.Curvas(i).Vertices.UBound());
            const double escala = std::max({1.0, std::fabs(antes[0].X), std::fabs(antes[0].Y)});
            double largo = 0;
            for (std::size_t k = 1; k < antes.size(); ++k)
              largo += std::hypot(antes[k].X - antes[k - 1].X, antes[k].Y - antes[k - 1].Y);
            const bool anillo = antes.size() > 2 &&
                                std::hypot(antes.back().X - antes[0].X, antes.back().Y - antes[0].Y) <= 1e-9 * largo;
            // Each vertex once, not even twice but for the last bits (as where two smoothed spans meet).
            const auto cerca = [](double u, double v) { return std::fabs(u - v) <= 1e-14 * std::fabs(u); };
            for (std::size_t k = 1; k < despues.size(); ++k) {
              EXPECT_FALSE(cerca(despues[k].X, despues[k - 1].X) && cerca(despues[k].Y, despues[k - 1].Y))
                  << "line " << i << ", vertex " << k;
            }
            // Walked together, each vertex the line had lies on the side of the new line it has reached: none lost,
            // none added. A ring that started halfway along its last side now starts at its end.
            bool vuelta = anillo && !(antes[0].X == despues[0].X && antes[0].Y == despues[0].Y);
            std::size_t j = vuelta ? despues.size() - 2 : 0;
            for (const Pto3D& p : antes) {
              if (j + 1 < despues.size() && p.X == despues[j + 1].X && p.Y == despues[j + 1].Y) ++j;
              if (vuelta && j + 1 == despues.size()) j = 0, vuelta = false;
              const Pto3D& b = despues[std::min(j + 1, despues.size() - 1)];
              EXPECT_LE(Distancia(p, despues[j], b), 1e-12 * escala) << "line " << i;
            }
            if (anillo) {
              ++cerrados;
              EXPECT_TRUE(despues.back().X == despues[0].X && despues.back().Y == despues[0].Y) << "line " << i;
              // Nor halfway along a side, even where the point closing the ring missed its start by the last bits.
              const Pto3D &a = despues[despues.size() - 2], &b = despues[1];
              EXPECT_FALSE(!Es_Verdadero(suave) && cerca(despues[0].X, 0.5 * a.X + 0.5 * b.X) &&
                           cerca(despues[0].Y, 0.5 * a.Y + 0.5 * b.Y))
                  << "line " << i;
            }
            // An unsmoothed line loses its repeated ends and inserted midpoints: about half its vertices.
            if (!Es_Verdadero(suave)) {
              EXPECT_LE(2 * despues.size(), antes.size() + 2) << "line " << i;
            }
            quitados += static_cast<long long>(antes.size() - despues.size());
            // One level, the nearest that the equidistance's decimals write, and no negative zero.
            const double cota = despues[0].Z;
            for (const Pto3D& p : despues) EXPECT_EQ(p.Z, cota);
            EXPECT_LE(std::fabs(cota - antes[0].Z), 1e-9 * std::max(1.0, std::fabs(cota)));
            const double pasos = e == 0.25 ? 100 : e == 0.1 ? 10 : 1;
            EXPECT_EQ(std::round(cota * pasos) / pasos, cota) << cota;
            EXPECT_FALSE(cota == 0 && std::signbit(cota));
            limpiadas += antes[0].Z != cota ? 1 : 0;
          }
        }
  EXPECT_GT(quitados, 10000);
  EXPECT_GT(cerrados, 100);
  EXPECT_GT(limpiadas, 100);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
