// The bound that lets the sweep pass over far triangles, checked where it could fail (survey-sized coordinates,
// nearly horizontal sides, nearly aligned corners): the computed circle's centre lies within Epsilon / 2 of the
// exact bisector of the point and the edge's second corner (within the slope's bound where the bisector is steep),
// and every circle that the region of centres or a steep edge's zone rules out holds a neighbour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "trilat/c_Triangulos/Alcance_Aceptacion.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Expansion.h"

namespace Vyr_Trilat::prueba {
namespace {

using namespace expansion;

// A run's tables over these points, the host's coordinates being the working ones.
Estado_Triangulos Tablas(const std::vector<XYZ>& puntos) {
  Estado_Triangulos s;
  s.Puntos_Trab = puntos;
  for (const auto& p : puntos) s.Puntos_Anfitrion.push_back({p.X, p.Y});
  return s;
}

// |C - P|^2 - |C - Y|^2, exactly, then rounded once.
double Diferencia_De_Cuadrados(double cx, double cy, const XYZ& P, const XYZ& Y) {
  const auto d = Diferencia(P.X, Y.X) * (Diferencia(P.X, cx) + Diferencia(Y.X, cx)) +
                 Diferencia(P.Y, Y.Y) * (Diferencia(P.Y, cy) + Diferencia(Y.Y, cy));
  double v = 0;
  for (int k = 0; k < d.n; ++k) v += d.c[static_cast<std::size_t>(k)];
  return v;
}

TEST(Alcance_Aceptacion, ElCirculoCalculadoPasaCercaDelPunto) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> u(0, 1);
  const auto signo = [&] { return u(rng) < 0.5 ? -1 : 1; };
  double peor = 0, peor_empinado = 0;
  int medidos = 0, empinados = 0;
  for (const auto& [ox, oy] : {std::pair(500000.0, 4500000.0), {0.0, 0.0}, {3e8, 9e8}, {1500.0, -800.0}}) {
    Estado_Triangulos tablas =
        Tablas({{ox + 3000, oy + 3000, 0, 0}, {ox - 3000, oy - 3000, 0, 0}, {ox + 3000, oy - 3000, 0, 0}});
    const Alcance_Aceptacion alcance(tablas);
    ASSERT_GT(alcance.Epsilon(), 0);
    for (int k = 0; k < 200000; ++k) {
      const XYZ Y{ox + 2000 * (u(rng) - 0.5), oy + 2000 * (u(rng) - 0.5), 0, 0};
      // Edges of every slope, many nearly horizontal (steep bisectors) and some within the horizontal band.
      const double largo = std::pow(10, 3 * u(rng) - 1), ang = 2 * M_PI * u(rng);
      double dy = largo * std::sin(ang);
      if (k % 3 == 0) dy = largo * std::pow(10, -4 - 2 * u(rng)) * signo();
      if (k % 7 == 0) dy = 1e-4 * (u(rng) - 0.5);
      const XYZ X{Y.X - largo * std::cos(ang), Y.Y - dy, 0, 0};
      // The point anywhere around, nearly level with Y or nearly on the edge's line now and then.
      const double d = std::pow(10, 3.3 * u(rng) - 0.3), b = 2 * M_PI * u(rng);
      XYZ P{Y.X + d * std::cos(b), Y.Y + d * std::sin(b), 0, 0};
      if (k % 5 == 0) P.Y = Y.Y + (1e-4 + 1e-3 * u(rng)) * signo();
      if (k % 11 == 0) P = {Y.X + (Y.X - X.X) * 3 * u(rng), Y.Y + (Y.Y - X.Y) * 3 * u(rng) + 1e-3 * u(rng), 0, 0};
      if (std::fabs(P.Y - Y.Y) < Alcance_Aceptacion::kFranja_Horizontal) continue;
      Circulo c;
      En_Circulo(0.0001, c, 0, 0, X.X, X.Y, Y.X, Y.Y, P.X, P.Y);
      if (!(c.R < 1000)) continue;
      const double diferencia = std::fabs(Diferencia_De_Cuadrados(c.Xc, c.Yc, P, Y));
      if (!Alcance_Aceptacion::Lado_Seguro(X, Y)) {
        // How far the circle measured to Y passes from P: (|P - C|^2 - |Y - C|^2) / (|P - C| + |Y - C|).
        const double lejos = diferencia / (std::hypot(P.X - c.Xc, P.Y - c.Yc) + std::hypot(Y.X - c.Xc, Y.Y - c.Yc));
        const double pendiente = std::fabs(-(Y.X - X.X) / (Y.Y - X.Y));
        peor_empinado = std::max(peor_empinado, lejos / alcance.Epsilon_Pendiente(pendiente));
        ++empinados;
        continue;
      }
      // The centre's distance to the bisector of Y and P, (P - Y).(P + Y - 2C) / 2|P - Y|, within Epsilon / 2.
      peor = std::max(peor, diferencia / std::hypot(P.X - Y.X, P.Y - Y.Y) / alcance.Epsilon());
      ++medidos;
    }
  }
  EXPECT_GT(medidos, 100000);
  EXPECT_GT(empinados, 20000);
  EXPECT_LE(peor, 1) << "worst error as a share of Epsilon";
  EXPECT_LE(peor_empinado, 1) << "worst error of steep bisectors as a share of their bound";
}

// Two straight lines of points, the whole survey: each point's cell is a half-strip open to the outside. Where the
// triangulation was made the lines were not quite straight (a zigzag of a nanometre), so its rings hold slivers
// and pairs of neighbours nearly in line; the others' half-planes must still hold the region of centres to the
// strip, or every point's second corners could lie anywhere along the lines.
TEST(Alcance_Aceptacion, EnDosLineasRectasLaRegionQuedaJuntoAlPunto) {
  std::vector<XYZ> puntos;
  for (int k = 0; k < 400; ++k)
    for (int linea = 0; linea < 2; ++linea) puntos.push_back({500000.0 + linea, 4500000 + 0.5 * k, 0, 0});
  Estado_Triangulos tablas = Tablas(puntos);
  for (std::size_t i = 0; i < puntos.size(); ++i) tablas.Puntos_Anfitrion[i].X += (i / 2 % 2 ? 1e-9 : -1e-9);
  const Alcance_Aceptacion alcance(tablas);
  std::vector<int> vecinos;
  std::vector<Alcance_Aceptacion::Esquina> region;
  int medidos = 0;
  for (std::size_t i = 0; i < puntos.size(); ++i) {
    if (!(alcance.Alcance(i, vecinos, &region) < 1e9)) continue;
    const Caja caja = alcance.Caja_Segundas(i, region.data(), region.size());
    EXPECT_LT(caja.y1 - caja.y0, 10) << "point " << i;
    ++medidos;
  }
  EXPECT_GT(medidos, 700);
}

// An edge whose bisector is too steep for the bound: its circles are measured to its second corner Y, hold none of
// the points its zone rests on, and pass within the zone's epsilon of the point they accept. So a circle through Y
// of radius below the limit that passes that close to a point the zone rules out must hold one of those points.
// Y's ring loses the triangle's third corner, which may open a side (on the site's edge, or where that corner
// spans half a turn); the point lies just beyond the zone's threshold in each direction, or anywhere. The points:
// scattered over a 300 m site at survey-sized coordinates, and a row of nearly level ones across it (long thin
// cells and sides the formulas call horizontal).
TEST(Alcance_Aceptacion, UnPuntoFueraDeLaZonaDeUnLadoEmpinadoNoTieneCirculoVacio) {
  std::mt19937_64 rng(17);
  std::uniform_real_distribution<double> u(0, 1);
  std::vector<XYZ> puntos;
  for (int k = 0; k < 1500; ++k) puntos.push_back({500000 + 300 * u(rng), 4500000 + 300 * u(rng), 0, 0});
  for (int k = 0; k < 100; ++k) puntos.push_back({500000 + 1.5 * k, 4500150 + 1e-5 * k, 0, 0});
  Estado_Triangulos tablas = Tablas(puntos);
  const Alcance_Aceptacion alcance(tablas);
  std::vector<int> anillo, vecinos;
  long zonas = 0, abiertas = 0, fuera = 0, circulos = 0;
  for (std::size_t y = 0; y < puntos.size(); ++y) {
    if (!alcance.Anillo(y, anillo)) continue;
    const int o = anillo[rng() % anillo.size()];
    // The edge's first corner nearly level with Y (but above the height the formulas take as level), far enough
    // for a bisector of slope 1e4 to 1e6.
    const XYZ& Y = puntos[y];
    const double pendiente = std::pow(10, 4 + 2 * u(rng)), largo = 2e-4 * pendiente * (1 + u(rng));
    const XYZ X{Y.X - largo, Y.Y - largo / pendiente, 0, 0};
    ASSERT_FALSE(Alcance_Aceptacion::Lado_Seguro(X, Y));
    const auto zona = alcance.Zona_Lado_Inseguro(X, y, o, vecinos);
    const double eps = alcance.Epsilon_Pendiente(pendiente);
    if (!(zona.alcance < 1e9)) continue;
    ++zonas;
    abiertas += vecinos.size() > anillo.size() ? 1 : 0;
    EXPECT_EQ(std::count(vecinos.begin(), vecinos.end(), o), 0);
    for (int k = 0; k < 30; ++k) {
      // A point in a random direction: anywhere within 1.5 times the reach now and then, otherwise just beyond
      // where the region's corners put the threshold in that direction, without their margins.
      const double a = 2 * M_PI * u(rng);
      double umbral = 0;
      for (const auto& w : zona.region) umbral = std::max(umbral, 2 * (w.x * std::cos(a) + w.y * std::sin(a)));
      const double t = k % 3 == 0 ? 1.5 * zona.alcance * u(rng) : umbral * (1 + 1e-4 + 0.02 * u(rng)) + 1e-3;
      const Vert d{t * std::cos(a), t * std::sin(a)};
      if (alcance.En_Zona(d, zona)) continue;
      ++fuera;
      // Circles through Y whose centre c leaves P = Y + d within the slope's bound: |d - c| - |c| = s, found by
      // halving along d from a point of the bisector. One of radius below the limit holds one of the neighbours.
      const double ld = std::hypot(d.X, d.Y), ux = d.X / ld, uy = d.Y / ld;
      for (int m = 0; m < 10; ++m) {
        const double lateral = (2 * u(rng) - 1) * 2 * zona.alcance, s = (2 * u(rng) - 1) * eps;
        const auto exceso = [&](double h) {
          const double cx = d.X / 2 - lateral * uy + h * ux, cy = d.Y / 2 + lateral * ux + h * uy;
          return std::hypot(d.X - cx, d.Y - cy) - std::hypot(cx, cy) - s;
        };
        double h0 = -1, h1 = 1;
        while (exceso(h0) < 0) h0 *= 2;
        while (exceso(h1) > 0) h1 *= 2;
        for (int paso = 0; paso < 80; ++paso) (exceso((h0 + h1) / 2) > 0 ? h0 : h1) = (h0 + h1) / 2;
        const double cx = Y.X + d.X / 2 - lateral * uy + h0 * ux, cy = Y.Y + d.Y / 2 + lateral * ux + h0 * uy;
        const double R2 = (cx - Y.X) * (cx - Y.X) + (cy - Y.Y) * (cy - Y.Y);
        if (!(R2 < 1000.0 * 1000.0)) continue;
        ++circulos;
        EXPECT_TRUE(std::any_of(vecinos.begin(), vecinos.end(),
                                [&](int q) {
                                  const XYZ& Q = puntos[static_cast<std::size_t>(q)];
                                  return (Q.X - cx) * (Q.X - cx) + (Q.Y - cy) * (Q.Y - cy) + 0.0001 < R2;
                                }))
            << "corner " << y << " point at " << d.X << ", " << d.Y << ": an empty circle of radius " << std::sqrt(R2);
      }
    }
  }
  EXPECT_GT(zonas, 1400);
  EXPECT_GT(abiertas, 30);
  EXPECT_GT(fuera, 20000);
  EXPECT_GT(circulos, 150000);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
