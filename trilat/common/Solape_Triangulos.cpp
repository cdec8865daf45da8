#include "trilat/common/Solape_Triangulos.h"

#include <algorithm>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

int Orienta(const Vert& a, const Vert& b, const Vert& c) { return Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y); }

// An edge of p with every corner of q on it or beyond it separates their interiors.
bool Separa(const Triangulo_Plano& p, const Triangulo_Plano& q) {
  for (int e = 0; e < 3; ++e) {
    const Vert& u = p[static_cast<std::size_t>(e)];
    const Vert& w = p[static_cast<std::size_t>((e + 1) % 3)];
    if (Orienta(u, w, q[0]) <= 0 && Orienta(u, w, q[1]) <= 0 && Orienta(u, w, q[2]) <= 0) return true;
  }
  return false;
}

}  // namespace

Triangulo_Plano En_Sentido_Antihorario(const Vert& a, const Vert& b, const Vert& c) {
  if (Orienta(a, b, c) < 0) return {a, c, b};
  return {a, b, c};
}

// Two convex polygons have disjoint interiors exactly when a line through an edge of one of them separates them.
bool Interiores_Se_Solapan(const Triangulo_Plano& p, const Triangulo_Plano& q) {
  return !Separa(p, q) && !Separa(q, p);
}

bool Cajas_Apartadas(const Triangulo_Plano& p, const Triangulo_Plano& q) {
  const auto [px0, px1] = std::minmax({p[0].X, p[1].X, p[2].X});
  const auto [qx0, qx1] = std::minmax({q[0].X, q[1].X, q[2].X});
  if (px1 <= qx0 || qx1 <= px0) return true;
  const auto [py0, py1] = std::minmax({p[0].Y, p[1].Y, p[2].Y});
  const auto [qy0, qy1] = std::minmax({q[0].Y, q[1].Y, q[2].Y});
  return py1 <= qy0 || qy1 <= py0;
}

bool En_Triangulo_Cerrado(const Triangulo_Plano& t, const Vert& p) {
  return Orienta(t[0], t[1], p) >= 0 && Orienta(t[1], t[2], p) >= 0 && Orienta(t[2], t[0], p) >= 0;
}

}  // namespace Vyr_Trilat
