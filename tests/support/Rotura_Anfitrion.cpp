#include "tests/support/Rotura_Anfitrion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "tests/support/Rotura_Literal.h"
#include "tests/support/Verificador.h"
#include "trilat/c_Rotura/Vertices_En_Segmento.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat::prueba {

Modelo De_Listas(const std::vector<Vert>& puntos, const std::vector<std::array<Long, 3>>& triangulos) {
  std::vector<Pto3D> p;
  for (const Vert& v : puntos) p.push_back({v.X, v.Y, 0});
  std::vector<Tri> t;
  for (const auto& [a, b, c] : triangulos) t.push_back({a, b, c});
  return Modelo_De(p, t);
}

std::vector<std::array<Long, 3>> Triangulos_Del_Modelo(const Modelo& m) {
  std::vector<std::array<Long, 3>> r;
  for (Long t = 0; t <= m.nTri; ++t) r.push_back({m.Vt1(t), m.Vt2(t), m.Vt3(t)});
  return r;
}

Estado_Rotura Estado_De(const Modelo& m, const std::vector<std::array<Long, 2>>& segmentos) {
  Estado_Rotura s;
  s.Coord.ReDim(0, m.nPun);
  for (Long i = 1; i <= m.nPun; ++i) s.Coord(i) = {m.X(i), m.Y(i)};
  s.Triangs.ReDim(1, m.nTri + 1);
  for (Long i = 1; i <= m.nTri + 1; ++i)
    s.Triangs(i) = {False, False, False, m.Vt1(i - 1), m.Vt2(i - 1), m.Vt3(i - 1), i - 1};
  s.nRoturas = static_cast<Long>(segmentos.size());
  s.Roturas.ReDim(1, s.nRoturas);
  for (Long k = 1; k <= s.nRoturas; ++k)
    s.Roturas(k) = {segmentos[static_cast<std::size_t>(k - 1)][0], segmentos[static_cast<std::size_t>(k - 1)][1]};
  return s;
}

std::shared_ptr<Superficie_Grabadora> Superficie_Nueva() {
  auto s = std::make_shared<Superficie_Grabadora>();
  mDibuja::Pon_Vista(0, 0, 1, 1000, s);
  return s;
}

std::vector<Mensaje> Fuerza_Segmento(c_Rotura& r, Modelo& m, Long a, Long b) {
  Mensajes_Grabados mensajes;
  r.Calcula_Triang_con_Rotura(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, a, b);
  return mensajes.Lista();
}

std::vector<Mensaje> Fuerza_Polilineas(c_Rotura& r, Modelo& m, const std::vector<std::vector<Long>>& lineas) {
  const auto nPol = static_cast<Long>(lineas.size());
  HostArray<Polilinea> Pol = Polilineas_De(lineas);
  Mensajes_Grabados mensajes;
  r.Calcula_Triang_con_Polilineas(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, nPol, Pol);
  return mensajes.Lista();
}

namespace {

using Arista = std::pair<Long, Long>;

Arista Clave(Long a, Long b) { return {std::min(a, b), std::max(a, b)}; }

std::vector<Tri> Tris(const Modelo& m) { return Triangulos(m.nTri, m.Vt1, m.Vt2, m.Vt3); }

// Every edge of the triangles, sorted, once for each triangle that has it.
std::vector<Arista> Aristas(const std::vector<Tri>& tris) {
  std::vector<Arista> r;
  for (const Tri& t : tris)
    for (const Arista& e : {Clave(t.a, t.b), Clave(t.b, t.c), Clave(t.a, t.c)}) r.push_back(e);
  std::sort(r.begin(), r.end());
  return r;
}

std::vector<Arista> Borde(const std::vector<Tri>& tris) {
  const auto todas = Aristas(tris);
  std::vector<Arista> r;
  for (std::size_t i = 0; i < todas.size(); ++i)
    if ((i == 0 || todas[i - 1] != todas[i]) && (i + 1 == todas.size() || todas[i + 1] != todas[i]))
      r.push_back(todas[i]);
  return r;
}

// The model after the forcing: its coordinates as the checker of soundness reads them, and its working tables.
struct Geometria {
  explicit Geometria(const Modelo& m) : s(Estado_De(m, {})) {
    for (Long i = 1; i <= m.nPun; ++i) x.push_back(m.X(i)), y.push_back(m.Y(i));
  }
  Vert P(Long i) const { return s.Coord(i); }
  int O(Long a, Long b, Long c) const {
    const Vert A = P(a), B = P(b), C = P(c);
    return Orientacion(A.X, A.Y, B.X, B.Y, C.X, C.Y);
  }
  Estado_Rotura s;
  std::vector<double> x, y;
};

// The closed segments p-q and r-s share a point that is not an end common to both.
bool Se_Encuentran(const Geometria& g, Long p, Long q, Long r, Long s) {
  const int o1 = g.O(p, q, r), o2 = g.O(p, q, s), o3 = g.O(r, s, p), o4 = g.O(r, s, q);
  if (o1 * o2 > 0 || o3 * o4 > 0) return false;
  const Vert P = g.P(p), Q = g.P(q), R = g.P(r), S = g.P(s);
  const auto igual = [](const Vert& u, const Vert& v) { return u.X == v.X && u.Y == v.Y; };
  if (o1 == 0 && o2 == 0) {  // on one line: they overlap in more than a point, or touch at common ends
    const bool x = P.X != Q.X;
    const double a0 = std::min(x ? P.X : P.Y, x ? Q.X : Q.Y), a1 = std::max(x ? P.X : P.Y, x ? Q.X : Q.Y);
    const double b0 = std::min(x ? R.X : R.Y, x ? S.X : S.Y), b1 = std::max(x ? R.X : R.Y, x ? S.X : S.Y);
    return std::min(a1, b1) > std::max(a0, b0);
  }
  return !(igual(P, R) || igual(P, S) || igual(Q, R) || igual(Q, S));
}

// Length of p-q inside the triangles, as a fraction of its own.
double Cubierto(const Geometria& g, const std::vector<Tri>& tris, Long p, Long q) {
  const Vert P = g.P(p), Q = g.P(q);
  double total = 0;
  for (const Tri& t : tris) {
    Vert v[3] = {g.P(t.a), g.P(t.b), g.P(t.c)};
    if (std::max({v[0].X, v[1].X, v[2].X}) < std::min(P.X, Q.X) ||
        std::min({v[0].X, v[1].X, v[2].X}) > std::max(P.X, Q.X) ||
        std::max({v[0].Y, v[1].Y, v[2].Y}) < std::min(P.Y, Q.Y) ||
        std::min({v[0].Y, v[1].Y, v[2].Y}) > std::max(P.Y, Q.Y))
      continue;
    if (Orientacion(v[0].X, v[0].Y, v[1].X, v[1].Y, v[2].X, v[2].Y) < 0) std::swap(v[1], v[2]);
    double t0 = 0, t1 = 1;
    for (int e = 0; e < 3 && t0 < t1; ++e) {
      const Vert& a = v[e];
      const Vert& b = v[(e + 1) % 3];
      // Inside is the left of a->b: f(t) = cross(b - a, P + t (Q - P) - a) >= 0.
      const double f0 = (b.X - a.X) * (P.Y - a.Y) - (b.Y - a.Y) * (P.X - a.X);
      const double df = (b.X - a.X) * (Q.Y - P.Y) - (b.Y - a.Y) * (Q.X - P.X);
      if (df == 0) {
        if (f0 < 0) t1 = t0;
      } else if (df > 0) {
        t0 = std::max(t0, -f0 / df);
      } else {
        t1 = std::min(t1, -f0 / df);
      }
    }
    if (t1 > t0) total += t1 - t0;
  }
  return total;
}

}  // namespace

std::vector<std::string> Comprueba_Forzado(const Modelo& antes, const Modelo& despues,
                                           const std::vector<std::array<Long, 2>>& segmentos) {
  std::vector<std::string> problemas;
  if (despues.nTri != antes.nTri || despues.Vt1.UBound() != antes.Vt1.UBound())
    problemas.push_back("the number of triangles changed");
  const Geometria g(despues);
  const auto tris = Tris(despues), tris_antes = Tris(antes);
  for (const auto& p : Verifica(g.x, g.y, tris)) problemas.push_back(p);
  if (Borde(tris) != Borde(tris_antes)) problemas.push_back("the outline of the triangulated area changed");
  double area = 0, area_antes = 0;
  for (const Tri& t : tris) area += std::fabs(Area_Doble(g.x, g.y, t));
  for (const Tri& t : tris_antes) area_antes += std::fabs(Area_Doble(g.x, g.y, t));
  if (std::fabs(area - area_antes) > 1e-9 * area_antes) problemas.push_back("the covered area changed");

  // Pieces of each segment, split as the forcing splits them, over the vertices of the triangulation.
  std::vector<Long> todos(tris.size());
  std::iota(todos.begin(), todos.end(), 1);
  const auto piezas = [&](Long a, Long b, Prueba_Linea prueba) {
    std::vector<Arista> r;
    Long desde = a;
    for (Long v : Vertices_En_Segmento(g.s, todos, a, b, prueba)) {
      r.push_back({desde, v});
      desde = v;
    }
    r.push_back({desde, b});
    return r;
  };
  // An end that is no vertex stands for the vertex that the forcing's own search finds beside it, within 0.001 as
  // its rounded sums have it; without one nothing is forced.
  const Estado_Rotura tablas = Estado_De(antes, {});
  Busqueda_Literal busqueda(tablas);
  const auto extremo = [&](Long v) -> Long { return busqueda.Busca_Vertice(v) ? v : 0; };
  const auto aristas = Aristas(tris);
  for (std::size_t k = 0; k < segmentos.size(); ++k) {
    const Long a = extremo(segmentos[k][0]), b = extremo(segmentos[k][1]);
    if (a == 0 || b == 0) continue;
    for (const auto& [p0, q0] : piezas(a, b, Prueba_Linea::Cercana)) {
      for (const auto& [p, q] : piezas(p0, q0, Prueba_Linea::Exacta)) {
        if (std::binary_search(aristas.begin(), aristas.end(), Clave(p, q)) ||
            (g.P(p).X == g.P(q).X && g.P(p).Y == g.P(q).Y))
          continue;
        const bool tocada = std::any_of(segmentos.begin() + static_cast<std::ptrdiff_t>(k) + 1, segmentos.end(),
                                        [&](const auto& o) { return Se_Encuentran(g, p, q, o[0], o[1]); });
        if (!tocada && Cubierto(g, tris, p, q) > 1 - 1e-9)
          problemas.push_back("piece " + std::to_string(p) + "-" + std::to_string(q) + " is inside and not an edge");
      }
    }
  }
  return problemas;
}

}  // namespace Vyr_Trilat::prueba
