// Properties of the contours of generated terrains (smooth, rough, with flat areas, a single hill; triangulated
// points and jittered grids; with holes): every crossing lies on a triangle edge at its line's level, lines of one
// level never cross, a closed contour is one ring, and each level has as many lines as its crossings make
// connected chains, counted independently on the model's edges.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Terrenos.h"
#include "trilat/c_Curvado/Niveles.h"
#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat::prueba {
namespace {

using Arista = std::pair<Long, Long>;  // point numbers, lower first

// A model, its contours, and its edges with the elevations the tracing works with.
struct Corrida {
  Corrida(Modelo modelo, double e) : m(std::move(modelo)), e_finas(e) {
    d = Curvado(m, {.e_finas = e, .dibuja = False}).datos;
    z.push_back(0);  // point numbers from 1
    for (Long i = 1; i <= m.nPun; ++i) z.push_back(Niveles::Cota_Trabajo(m.Z(i), e));
    for (Long k = 0; k <= m.nTri; ++k)
      for (int e = 0; e < 3; ++e) ++usos[Lado(k, e)];
    for (Long i = 1; i <= d.nCurvas; ++i) por_nivel[d.Curvas(i).Vertices(0).Z].push_back(&d.Curvas(i));
  }
  double Zt(Long punto) const { return z[static_cast<std::size_t>(punto)]; }
  Arista Lado(Long k, int e) const {
    const Long v[3] = {m.Vt1(k), m.Vt2(k), m.Vt3(k)};
    return std::minmax(v[e], v[(e + 1) % 3]);
  }
  // The edge is cut by the level (an edge rising 0.0002 or less never is), at the point interpolated along it.
  bool Cortada(const Arista& a, double cota) const {
    const double za = Zt(a.first), zb = Zt(a.second);
    return std::abs(zb - za) > 0.0002 && std::min(za, zb) <= cota && cota <= std::max(za, zb);
  }
  Vert Corte(const Arista& a, double cota) const {
    const double s = (cota - Zt(a.first)) / (Zt(a.second) - Zt(a.first));
    return {m.X(a.first) + s * (m.X(a.second) - m.X(a.first)), m.Y(a.first) + s * (m.Y(a.second) - m.Y(a.first))};
  }
  // p is the edge's crossing at the level, but for rounding.
  bool Sobre(const Arista& a, const Vert& p, double cota) const {
    const Vert q = Corte(a, cota);
    return std::hypot(p.X - q.X, p.Y - q.Y) <= 1e-9 * (1 + std::hypot(q.X, q.Y));
  }
  Modelo m;
  double e_finas;
  Datos_Curvas d;
  std::vector<double> z;
  std::map<Arista, int> usos;  // triangles on each edge
  std::map<double, std::vector<const Curva*>> por_nivel;
};

std::vector<Corrida> Corridas() {
  std::vector<Corrida> r;
  for (std::uint64_t semilla = 1; semilla <= 3; ++semilla) {
    for (const Relieve v : {Relieve::Suave, Relieve::Rugoso, Relieve::Mesetas, Relieve::Cerro}) {
      r.emplace_back(Rejilla(v, 16, 14, 6, 0.4, semilla), semilla == 2 ? 0.5 : 1.0);
      Modelo agujereada = Rejilla(v, 15, 15, 6, 0.3, semilla + 10);
      Agujerea(agujereada, 30, 45, 10);
      Agujerea(agujereada, 60, 20, 7);
      r.emplace_back(std::move(agujereada), 1.0);
      // A short maximum side leaves gaps in the triangulation of clustered points.
      r.emplace_back(Triangulado(v, semilla == 3 ? Forma::Agrupada : Forma::Uniforme, 220, 90, 13, semilla), 1.0);
    }
  }
  return r;
}

bool Cerrada(const Curva& c) {
  return c.Vertices(0).X == c.Vertices(c.Ultimo).X && c.Vertices(0).Y == c.Vertices(c.Ultimo).Y;
}

// The chain's own vertices in a stored straight line: its control sequence doubles the start, triples the end and
// inserts the middle of every edge; a ring was first rewritten to start on the middle of its first edge and to
// end on the middle of its last edge followed by the vertex that closed it.
std::vector<Vert> Cruces(const Curva& c) {
  const Long n = (c.Ultimo - 4) / 2;
  std::vector<Long> k;
  if (!Cerrada(c)) k.push_back(0);
  for (Long i = 1; i <= n - (Cerrada(c) ? 2 : 0); ++i) k.push_back(2 * i + 2);
  if (Cerrada(c)) k.push_back(2 * n + 1);
  std::vector<Vert> r;
  for (const Long i : k) r.push_back({c.Vertices(i).X, c.Vertices(i).Y});
  return r;
}

TEST(Propiedades, Contornos) {
  Ajustes_Temporales ajustes;
  std::size_t cruces = 0, niveles = 0, dudosos = 0, lineas = 0;
  for (const Corrida& k : Corridas()) {
    // Every crossing lies on an edge of the model at its line's level.
    for (Long i = 1; i <= k.d.nCurvas; ++i) {
      const double cota = k.d.Curvas(i).Vertices(0).Z;
      for (const Vert& p : Cruces(k.d.Curvas(i))) {
        ASSERT_TRUE(std::any_of(k.usos.begin(), k.usos.end(),
                                [&](auto& u) { return k.Cortada(u.first, cota) && k.Sobre(u.first, p, cota); }))
            << "line " << i << " at (" << p.X << ", " << p.Y << ") level " << cota;
        ++cruces;
      }
    }
    // Lines of one level never cross, themselves or each other (exact orientations; touching is allowed).
    for (const auto& [cota, curvas] : k.por_nivel) {
      std::vector<SEGS> tramos;
      for (const Curva* c : curvas)
        for (Long i = 1; i <= c->Ultimo; ++i)
          if (c->Vertices(i - 1).X != c->Vertices(i).X || c->Vertices(i - 1).Y != c->Vertices(i).Y)
            tramos.push_back({c->Vertices(i - 1).X, c->Vertices(i - 1).Y, c->Vertices(i).X, c->Vertices(i).Y});
      const auto lado = [](const SEGS& s, double x, double y) { return Orientacion(s.X1, s.Y1, s.X2, s.Y2, x, y); };
      for (std::size_t i = 0; i < tramos.size(); ++i)
        for (std::size_t j = i + 1; j < tramos.size(); ++j) {
          const SEGS &p = tramos[i], &q = tramos[j];
          ASSERT_FALSE(lado(p, q.X1, q.Y1) * lado(p, q.X2, q.Y2) < 0 && lado(q, p.X1, p.Y1) * lado(q, p.X2, p.Y2) < 0)
              << "level " << cota;
        }
    }
    // As many lines per level as connected chains of cut edges, a triangle cut on two edges linking them. Levels
    // where the tolerance could join otherwise (a triangle cut on all three edges, crossings of different edges
    // within twice the tolerance) are left out.
    double cota = Niveles::Primer_Nivel(k.m.Z_Min(), k.e_finas);
    const Integer n = Niveles::Numero_Niveles(k.m.Z_Max(), k.m.Z_Min(), k.e_finas);
    for (Long i = 0; i <= n; ++i, cota = cota + k.e_finas) {
      std::map<Arista, Arista> padre;
      const auto raiz = [&padre](Arista a) {
        while (padre.at(a) != a) a = padre.at(a);
        return a;
      };
      bool dudoso = false;
      for (Long t = 0; t <= k.m.nTri && !dudoso; ++t) {
        std::vector<Arista> cortadas;
        for (int e = 0; e < 3; ++e)
          if (k.Cortada(k.Lado(t, e), cota)) cortadas.push_back(k.Lado(t, e));
        dudoso = cortadas.size() == 3;
        if (cortadas.size() != 2) continue;
        for (const Arista& a : cortadas) padre.try_emplace(a, a);
        padre[raiz(cortadas[0])] = raiz(cortadas[1]);
      }
      for (auto a = padre.begin(); a != padre.end() && !dudoso; ++a)
        for (auto b = std::next(a); b != padre.end() && !dudoso; ++b) {
          const Vert p = k.Corte(a->first, cota), q = k.Corte(b->first, cota);
          dudoso = std::abs(p.X - q.X) < 0.002 && std::abs(p.Y - q.Y) < 0.002;
        }
      if (dudoso) {
        ++dudosos;
        continue;
      }
      std::set<Arista> cadenas;
      for (const auto& [a, p] : padre) cadenas.insert(raiz(a));
      const auto it = k.por_nivel.find(cota);
      ASSERT_EQ(it == k.por_nivel.end() ? 0 : it->second.size(), cadenas.size()) << "level " << cota;
      ++niveles;
      lineas += cadenas.size();
    }
  }
  EXPECT_GT(cruces, 5000u);
  EXPECT_GT(lineas, 1000u);
  EXPECT_LT(dudosos * 20, niveles);
}

// Levels above the whole boundary of a hill with one summit close round it in one ring. On the grid of seed 203 a
// corner lies 0.00008 below level 101, so the crossings on its edges lie within the chaining tolerance of each
// other: the ring must still not split into a loop round that corner and the rest.
TEST(Propiedades, ContornoCerradoEsUnSoloAnillo) {
  Ajustes_Temporales ajustes;
  int anillos = 0;
  for (const std::uint64_t semilla : {1, 2, 3, 4, 5, 6, 7, 8, 203}) {
    const Corrida k(semilla % 2 ? Rejilla(Relieve::Cerro, 18, 18, 5, 0.45, semilla)
                                : Triangulado(Relieve::Cerro, Forma::Uniforme, 300, 85, 100, semilla),
                    1);
    double borde = -1e300;
    for (const auto& [a, n] : k.usos)
      if (n == 1) borde = std::max({borde, k.Zt(a.first), k.Zt(a.second)});
    for (const auto& [cota, curvas] : k.por_nivel) {
      if (cota <= borde) continue;
      ASSERT_EQ(curvas.size(), 1u) << cota;
      EXPECT_TRUE(Cerrada(*curvas[0])) << cota;
      ++anillos;
    }
  }
  EXPECT_GT(anillos, 40);
}

// Two summits with a saddle between them 0.001 below a level: near the saddle the two rings of that level pass
// within the chaining tolerance of each other, and each must still close on itself, not run on into the other.
TEST(Propiedades, AnillosJuntoAUnPuertoSonDos) {
  Ajustes_Temporales ajustes;
  Nube c;
  c.Pon(0, 0, 99.999), c.Pon(-4, 0, 110), c.Pon(4, 0, 110);
  for (const auto& [x, y] : {std::pair{0, 4}, {0, -4}, {-8, 0}, {8, 0}, {-4, 4}, {-4, -4}, {4, 4}, {4, -4}})
    c.Pon(x, y, 90);
  const Corrida k(Triangulado(c, 100), 1);
  ASSERT_EQ(k.por_nivel.at(100).size(), 2u);
  for (const Curva* l : k.por_nivel.at(100)) EXPECT_TRUE(Cerrada(*l));
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
