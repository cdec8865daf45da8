#include "trilat/c_Rotura/Corredor.h"

#include <algorithm>
#include <utility>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

bool Tiene(const Triang_Rot& r, Long v) { return r.V1 == v || r.V2 == v || r.V3 == v; }

Long Tercera(const Triang_Rot& r, Long u, Long v) {
  for (Long w : {r.V1, r.V2, r.V3})
    if (w != u && w != v) return w;
  return r.V1;
}

class Paso {
 public:
  Paso(const Estado_Rotura& s, const std::vector<Long>& cercanos, Long a, Long b)
      : s_(s), cercanos_(cercanos), A_(s.Coord(a)), B_(s.Coord(b)) {
    for (Long t : cercanos) {
      const Triang_Rot& r = s.Triangs(t);
      for (const auto& [u, v] : {std::pair{r.V1, r.V2}, std::pair{r.V2, r.V3}, std::pair{r.V1, r.V3}})
        aristas_.push_back({std::min(u, v), std::max(u, v), t});
    }
    std::sort(aristas_.begin(), aristas_.end());
  }

  // Side of point v seen from a to b.
  int Lado(Long v) const {
    const Vert& V = s_.Coord(v);
    return Orientacion(A_.X, A_.Y, B_.X, B_.Y, V.X, V.Y);
  }

  // The triangle at a whose interior the segment enters, with its exit edge (left corner, right corner).
  bool Salida_De(Long a, Long& t, Long& izq, Long& der) const {
    for (Long c : cercanos_) {
      const Triang_Rot& r = s_.Triangs(c);
      if (!Tiene(r, a)) continue;
      Long q = a == r.V1 ? r.V2 : r.V1;
      Long w = Tercera(r, a, q);
      const Vert& P = s_.Coord(a);
      if (Orientacion(P.X, P.Y, s_.Coord(q).X, s_.Coord(q).Y, s_.Coord(w).X, s_.Coord(w).Y) < 0) std::swap(q, w);
      const Vert &Q = s_.Coord(q), &W = s_.Coord(w);
      // Counter-clockwise a, q, w: b strictly inside the angle at a, so q lies right of a->b and w left.
      if (Orientacion(P.X, P.Y, Q.X, Q.Y, B_.X, B_.Y) > 0 && Orientacion(P.X, P.Y, W.X, W.Y, B_.X, B_.Y) < 0) {
        t = c;
        izq = w;
        der = q;
        return true;
      }
    }
    return false;
  }

  // The other triangle on edge u-v; 0 when there is none or more than one.
  Long Vecino(Long t, Long u, Long v) const {
    const Arista clave{std::min(u, v), std::max(u, v), 0};
    auto it = std::lower_bound(aristas_.begin(), aristas_.end(), clave);
    Long otro = 0;
    int cuantos = 0;
    for (; it != aristas_.end() && it->u == clave.u && it->v == clave.v; ++it) {
      if (it->t == t) continue;
      otro = it->t;
      ++cuantos;
    }
    return cuantos == 1 ? otro : 0;
  }

 private:
  struct Arista {
    Long u, v, t;
    bool operator<(const Arista& o) const { return u != o.u ? u < o.u : v != o.v ? v < o.v : t < o.t; }
  };

  const Estado_Rotura& s_;
  const std::vector<Long>& cercanos_;
  Vert A_, B_;
  std::vector<Arista> aristas_;
};

}  // namespace

bool Es_Arista(const Estado_Rotura& s, const std::vector<Long>& triangulos, Long a, Long b) {
  return std::any_of(triangulos.begin(), triangulos.end(), [&](Long t) {
    const Triang_Rot& r = s.Triangs(t);
    return Tiene(r, a) && Tiene(r, b);
  });
}

std::optional<Corredor> Busca_Corredor(const Estado_Rotura& s, const std::vector<Long>& cercanos, Long a, Long b) {
  const Paso paso(s, cercanos, a, b);
  Corredor c;
  Long t = 0, izq = 0, der = 0;
  if (!paso.Salida_De(a, t, izq, der)) return std::nullopt;
  c.triangulos.push_back(t);
  c.izquierda.push_back(izq);
  c.derecha.push_back(der);
  while (c.triangulos.size() <= cercanos.size()) {
    t = paso.Vecino(t, izq, der);
    if (t == 0) return std::nullopt;
    c.triangulos.push_back(t);
    const Long w = Tercera(s.Triangs(t), izq, der);
    if (w == b) return c;
    const int lado = paso.Lado(w);
    if (lado > 0) {
      izq = w;
      c.izquierda.push_back(w);
    } else if (lado < 0) {
      der = w;
      c.derecha.push_back(w);
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace Vyr_Trilat
