#include "trilat/c_Curvado/Corte_Triangulo.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Vyr_Trilat {

namespace {

constexpr double kDesnivel_Minimo = 0.0002;

struct Cortes {
  Pto3D p[3];
  Lugar_Extremo arista[3];  // the edge of each crossing
  int n = 0;

  // The crossing of the edge from P towards Q (at positions i and j), when the level meets it.
  void Corta(const Pto3D& P, const Pto3D& Q, Long i, Long j, double cota) {
    const double dz = Q.Z - P.Z;
    if (!(std::abs(dz) > kDesnivel_Minimo)) return;
    const double t = (cota - P.Z) / dz;
    if (t >= 0 && t <= 1) {
      arista[n] = {std::min(i, j), std::max(i, j)};
      p[n++] = {P.X + (Q.X - P.X) * t, P.Y + (Q.Y - P.Y) * t, cota};
    }
  }
};

SEGS Segmento(const Pto3D& a, const Pto3D& b) { return {a.X, a.Y, b.X, b.Y}; }

bool Iguales(const Pto3D& a, const Pto3D& b) { return a.X == b.X && a.Y == b.Y; }

double Distancia(const Pto3D& a, const Pto3D& b) { return std::fmax(std::abs(a.X - b.X), std::abs(a.Y - b.Y)); }

// The corner two edges share.
Lugar_Extremo Esquina_Comun(const Lugar_Extremo& a, const Lugar_Extremo& b) {
  const Long v = a.p == b.p || a.p == b.q ? a.p : a.q;
  return {v, v};
}

// Three crossings: a corner on the level shows as two of them. The pairs are compared in the order (0,1), (1,2),
// (0,2); each pair names the segment it leaves, and when no pair matches exactly the nearest pair stands for the
// corner (the first of equally near ones), so that the segment never depends on what was computed before. The
// end that stands for the corner lies at it.
SEGS Por_La_Esquina(const Cortes& cortes, Lugares_Segmento* lugares) {
  const Pto3D(&c)[3] = cortes.p;
  struct Par {
    int a, b;  // the pair compared
    int u, v;  // the segment it leaves
  };
  static constexpr Par kPares[] = {{0, 1, 0, 2}, {1, 2, 0, 2}, {0, 2, 1, 2}};
  const Par* elegido = nullptr;
  for (const Par& p : kPares)
    if (Iguales(c[p.a], c[p.b])) elegido = &p;  // every exact match overwrites the one before
  if (!elegido) {
    elegido = &kPares[0];
    double menor = Distancia(c[0], c[1]);
    for (const Par* p = &kPares[1]; p != std::end(kPares); ++p) {
      const double d = Distancia(c[p->a], c[p->b]);
      if (d < menor) {
        menor = d;
        elegido = p;
      }
    }
  }
  if (lugares) {
    const Lugar_Extremo esquina = Esquina_Comun(cortes.arista[elegido->a], cortes.arista[elegido->b]);
    const auto lugar = [&](int k) { return k == elegido->a || k == elegido->b ? esquina : cortes.arista[k]; };
    *lugares = {lugar(elegido->u), lugar(elegido->v)};
  }
  return Segmento(c[elegido->u], c[elegido->v]);
}

}  // namespace

std::optional<SEGS> Corta_Triangulo(const std::vector<Pto3D>& puntos, const Esquinas& t, double cota,
                                    Lugares_Segmento* lugares) {
  const Pto3D& A = puntos[static_cast<std::size_t>(t.T1)];
  const Pto3D& B = puntos[static_cast<std::size_t>(t.T2)];
  const Pto3D& C = puntos[static_cast<std::size_t>(t.T3)];
  Cortes c;
  c.Corta(A, B, t.T1, t.T2, cota);
  c.Corta(C, B, t.T3, t.T2, cota);
  c.Corta(A, C, t.T1, t.T3, cota);
  if (c.n == 2) {
    if (lugares) *lugares = {c.arista[0], c.arista[1]};
    return Segmento(c.p[0], c.p[1]);
  }
  if (c.n == 3) return Por_La_Esquina(c, lugares);
  return std::nullopt;
}

}  // namespace Vyr_Trilat
