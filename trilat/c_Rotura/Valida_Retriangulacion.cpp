#include "trilat/c_Rotura/Valida_Retriangulacion.h"

#include <algorithm>
#include <tuple>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

struct Uso_Arista {
  Long u, v;  // u < v
  int lado;   // side of the triangle's third corner seen from u to v
  bool operator<(const Uso_Arista& o) const { return std::tie(u, v, lado) < std::tie(o.u, o.v, o.lado); }
};

// Every edge of the triangles with the side its triangle lies on, sorted; false for a zero-area triangle.
bool Usos(const HostArray<Vert>& Coord, const std::vector<Terna>& tris, std::vector<Uso_Arista>& usos) {
  for (const Terna& t : tris) {
    for (int k = 0; k < 3; ++k) {
      const Long p = t[static_cast<std::size_t>(k)], q = t[static_cast<std::size_t>((k + 1) % 3)],
                 w = t[static_cast<std::size_t>((k + 2) % 3)];
      const Long u = std::min(p, q), v = std::max(p, q);
      const Vert &U = Coord(u), &V = Coord(v), &W = Coord(w);
      const int lado = Orientacion(U.X, U.Y, V.X, V.Y, W.X, W.Y);
      if (lado == 0) return false;
      usos.push_back({u, v, lado});
    }
  }
  std::sort(usos.begin(), usos.end());
  return true;
}

// The edges used once, with their sides; false when an edge is used more than twice, or twice from one side.
bool Borde(const std::vector<Uso_Arista>& usos, std::vector<Uso_Arista>& borde) {
  for (std::size_t i = 0; i < usos.size();) {
    std::size_t j = i;
    while (j < usos.size() && usos[j].u == usos[i].u && usos[j].v == usos[i].v) ++j;
    if (j - i == 1) {
      borde.push_back(usos[i]);
    } else if (j - i > 2 || usos[i].lado == usos[i + 1].lado) {
      return false;
    }
    i = j;
  }
  return true;
}

// Segment a-b crosses edge u-v at a point inside both.
bool Se_Cruzan(const HostArray<Vert>& Coord, Long a, Long b, Long u, Long v) {
  const Vert &A = Coord(a), &B = Coord(b), &U = Coord(u), &V = Coord(v);
  return Orientacion(A.X, A.Y, B.X, B.Y, U.X, U.Y) * Orientacion(A.X, A.Y, B.X, B.Y, V.X, V.Y) < 0 &&
         Orientacion(U.X, U.Y, V.X, V.Y, A.X, A.Y) * Orientacion(U.X, U.Y, V.X, V.Y, B.X, B.Y) < 0;
}

// Every old edge that a-b does not cross is a new edge: the old set may hold triangles the segment only seems to
// cross, and an edge of theirs (a piece forced just before, along the same line) must not go.
bool Conserva_No_Cruzadas(const HostArray<Vert>& Coord, const std::vector<Uso_Arista>& usos_viejos,
                          const std::vector<Uso_Arista>& usos_nuevos, Long a, Long b) {
  for (const Uso_Arista& e : usos_viejos) {
    if (Se_Cruzan(Coord, a, b, e.u, e.v)) continue;
    const auto nueva = std::lower_bound(usos_nuevos.begin(), usos_nuevos.end(), Uso_Arista{e.u, e.v, -2});
    if (nueva == usos_nuevos.end() || nueva->u != e.u || nueva->v != e.v) return false;
  }
  return true;
}

}  // namespace

bool Es_Retriangulacion(const HostArray<Vert>& Coord, const std::vector<Terna>& viejos,
                        const std::vector<Terna>& nuevos, Long a, Long b) {
  if (nuevos.size() != viejos.size()) return false;
  std::vector<Uso_Arista> usos_viejos, usos_nuevos, borde_viejo, borde_nuevo;
  if (!Usos(Coord, viejos, usos_viejos) || !Usos(Coord, nuevos, usos_nuevos)) return false;
  if (!Borde(usos_viejos, borde_viejo) || !Borde(usos_nuevos, borde_nuevo)) return false;
  if (borde_viejo.size() != borde_nuevo.size()) return false;
  for (std::size_t i = 0; i < borde_viejo.size(); ++i)
    if (borde_viejo[i].u != borde_nuevo[i].u || borde_viejo[i].v != borde_nuevo[i].v ||
        borde_viejo[i].lado != borde_nuevo[i].lado)
      return false;
  if (!Conserva_No_Cruzadas(Coord, usos_viejos, usos_nuevos, a, b)) return false;
  const Long u = std::min(a, b), v = std::max(a, b);
  return std::any_of(usos_nuevos.begin(), usos_nuevos.end(), [&](const Uso_Arista& e) { return e.u == u && e.v == v; });
}

}  // namespace Vyr_Trilat
