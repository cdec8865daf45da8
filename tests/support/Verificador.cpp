#include "tests/support/Verificador.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat::prueba {

std::vector<Tri> Triangulos(Long nTri, const HostArray<Long>& V1, const HostArray<Long>& V2,
                            const HostArray<Long>& V3) {
  std::vector<Tri> r;
  if (!V1.Allocated()) return r;
  for (Long t = 0; t <= nTri && t <= V1.UBound(); ++t) {
    if (V1(t) == 0 && V2(t) == 0 && V3(t) == 0) continue;  // an unwritten slot of an empty result
    r.push_back({V1(t), V2(t), V3(t)});
  }
  return r;
}

double Area_Doble(const std::vector<double>& x, const std::vector<double>& y, const Tri& t) {
  const auto i = [](Long k) { return static_cast<std::size_t>(k - 1); };
  return (x[i(t.b)] - x[i(t.a)]) * (y[i(t.c)] - y[i(t.a)]) - (y[i(t.b)] - y[i(t.a)]) * (x[i(t.c)] - x[i(t.a)]);
}

double Radio_Circunscrito(const Vert& a, const Vert& b, const Vert& c) {
  const double ab = std::hypot(b.X - a.X, b.Y - a.Y), bc = std::hypot(c.X - b.X, c.Y - b.Y);
  const double ca = std::hypot(a.X - c.X, a.Y - c.Y);
  return ab * bc * ca / (2 * std::fabs((b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X)));
}

namespace {

struct Geo {
  std::array<Long, 3> v;  // counter-clockwise
  double minx, maxx, miny, maxy;
};

std::string Nombre(const std::array<Long, 3>& v) {
  return "(" + std::to_string(v[0]) + " " + std::to_string(v[1]) + " " + std::to_string(v[2]) + ")";
}

// Interiors of two counter-clockwise triangles are disjoint exactly when an edge of one has all of the
// other's corners on or beyond it.
bool Se_Solapan(const std::vector<double>& x, const std::vector<double>& y, const Geo& a, const Geo& b) {
  const auto separa = [&](const Geo& p, const Geo& q) {
    for (int e = 0; e < 3; ++e) {
      const auto u = static_cast<std::size_t>(p.v[e] - 1), w = static_cast<std::size_t>(p.v[(e + 1) % 3] - 1);
      if (std::all_of(q.v.begin(), q.v.end(), [&](Long k) {
            const auto s = static_cast<std::size_t>(k - 1);
            return Orientacion(x[u], y[u], x[w], y[w], x[s], y[s]) <= 0;
          }))
        return true;
    }
    return false;
  };
  return !separa(a, b) && !separa(b, a);
}

}  // namespace

std::vector<std::string> Verifica(const std::vector<double>& x, const std::vector<double>& y,
                                  const std::vector<Tri>& tris) {
  std::vector<std::string> problemas;
  const auto n = static_cast<Long>(x.size());
  std::vector<Geo> geo;
  std::set<std::array<Long, 3>> vistos;
  for (std::size_t t = 0; t < tris.size(); ++t) {
    const auto& T = tris[t];
    const std::string nombre = "triangle " + std::to_string(t) + " " + Nombre({T.a, T.b, T.c});
    if (std::min({T.a, T.b, T.c}) < 1 || std::max({T.a, T.b, T.c}) > n) {
      problemas.push_back(nombre + ": corner out of range");
      continue;
    }
    if (T.a == T.b || T.b == T.c || T.a == T.c) {
      problemas.push_back(nombre + ": repeated corner");
      continue;
    }
    std::array<Long, 3> clave{T.a, T.b, T.c};
    std::sort(clave.begin(), clave.end());
    if (!vistos.insert(clave).second) problemas.push_back(nombre + ": duplicated");
    const auto i = [](Long k) { return static_cast<std::size_t>(k - 1); };
    const int o = Orientacion(x[i(T.a)], y[i(T.a)], x[i(T.b)], y[i(T.b)], x[i(T.c)], y[i(T.c)]);
    if (o == 0) {
      problemas.push_back(nombre + ": zero area");
      continue;
    }
    const auto [x0, x1] = std::minmax({x[i(T.a)], x[i(T.b)], x[i(T.c)]});
    const auto [y0, y1] = std::minmax({y[i(T.a)], y[i(T.b)], y[i(T.c)]});
    geo.push_back({{T.a, o > 0 ? T.b : T.c, o > 0 ? T.c : T.b}, x0, x1, y0, y1});
  }
  std::sort(geo.begin(), geo.end(), [](const Geo& a, const Geo& b) { return a.minx < b.minx; });
  for (std::size_t a = 0; a < geo.size(); ++a)
    for (std::size_t b = a + 1; b < geo.size() && geo[b].minx <= geo[a].maxx; ++b)
      if (geo[b].miny <= geo[a].maxy && geo[b].maxy >= geo[a].miny && Se_Solapan(x, y, geo[a], geo[b]))
        problemas.push_back("triangles " + Nombre(geo[a].v) + " and " + Nombre(geo[b].v) + " overlap");
  return problemas;
}

}  // namespace Vyr_Trilat::prueba
