#include "tests/support/Rotura_Anfitrion.h"

#include <algorithm>
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

// Every edge of the triangles, sorted, once for each triangle that has it.
std::vector<Arista> Aristas(const std::vector<Tri>& tris) {
  std::vector<Arista> r;
  for (const Tri& t : tris) r.insert(r.end(), {Clave(t.a, t.b), Clave(t.b, t.c), Clave(t.a, t.c)});
  std::sort(r.begin(), r.end());
  return r;
}

// The edges of one triangle only.
std::vector<Arista> Borde(const std::vector<Tri>& tris) {
  const auto todas = Aristas(tris);
  std::vector<Arista> r;
  for (std::size_t i = 0; i < todas.size(); ++i)
    if ((i == 0 || todas[i - 1] != todas[i]) && (i + 1 == todas.size() || todas[i + 1] != todas[i]))
      r.push_back(todas[i]);
  return r;
}

// The closed segments p-q and r-s share a point that is not an end common to both.
bool Se_Encuentran(const HostArray<Vert>& C, Long p, Long q, Long r, Long s) {
  const auto O = [&](Long a, Long b, Long c) { return Orientacion(C(a).X, C(a).Y, C(b).X, C(b).Y, C(c).X, C(c).Y); };
  const int o1 = O(p, q, r), o2 = O(p, q, s), o3 = O(r, s, p), o4 = O(r, s, q);
  if (o1 * o2 > 0 || o3 * o4 > 0) return false;
  const auto igual = [&](Long u, Long v) { return C(u).X == C(v).X && C(u).Y == C(v).Y; };
  if (o1 == 0 && o2 == 0) {  // on one line: they overlap in more than a point, or touch at common ends
    const auto a = [&](Long v) { return C(p).X != C(q).X ? C(v).X : C(v).Y; };
    return std::min(std::max(a(p), a(q)), std::max(a(r), a(s))) > std::max(std::min(a(p), a(q)), std::min(a(r), a(s)));
  }
  return !(igual(p, r) || igual(p, s) || igual(q, r) || igual(q, s));
}

// The piece p-q lies in the triangulated area: it meets no outline edge but at its ends, and its midpoint is in a
// triangle (a piece is split at every vertex on it, so it cannot leave the area at a corner).
bool Dentro(const HostArray<Vert>& C, const std::vector<Tri>& tris, const std::vector<Arista>& borde, Long p, Long q) {
  if (std::ranges::any_of(borde, [&](const Arista& e) { return Se_Encuentran(C, p, q, e.first, e.second); }))
    return false;
  const double x = (C(p).X + C(q).X) / 2, y = (C(p).Y + C(q).Y) / 2;
  return std::ranges::any_of(tris, [&](const Tri& t) {
    const auto O = [&](Long u, Long v) { return Orientacion(C(u).X, C(u).Y, C(v).X, C(v).Y, x, y); };
    const int o1 = O(t.a, t.b), o2 = O(t.b, t.c), o3 = O(t.c, t.a);
    return (o1 >= 0 && o2 >= 0 && o3 >= 0) || (o1 <= 0 && o2 <= 0 && o3 <= 0);
  });
}

}  // namespace

// The same outline and count of triangles, with none overlapping (Verifica), cover the same area.
std::vector<std::string> Comprueba_Forzado(const Modelo& antes, const Modelo& despues,
                                           const std::vector<std::array<Long, 2>>& segmentos) {
  std::vector<std::string> problemas;
  if (despues.nTri != antes.nTri || despues.Vt1.UBound() != antes.Vt1.UBound())
    problemas.push_back("the number of triangles changed");
  const Estado_Rotura s = Estado_De(despues, {});
  const HostArray<Vert>& C = s.Coord;
  std::vector<double> x, y;
  for (Long i = 1; i <= despues.nPun; ++i) x.push_back(despues.X(i)), y.push_back(despues.Y(i));
  const auto tris = Triangulos(despues.nTri, despues.Vt1, despues.Vt2, despues.Vt3);
  for (const auto& p : Verifica(x, y, tris)) problemas.push_back(p);
  const auto borde = Borde(tris);
  if (borde != Borde(Triangulos(antes.nTri, antes.Vt1, antes.Vt2, antes.Vt3)))
    problemas.push_back("the outline of the triangulated area changed");

  // Pieces of each segment, split as the forcing splits them, over the vertices of the triangulation.
  std::vector<Long> todos(tris.size());
  std::iota(todos.begin(), todos.end(), 1);
  const auto piezas = [&](Long a, Long b, Prueba_Linea prueba) {
    std::vector<Arista> r;
    for (Long v : Vertices_En_Segmento(s, todos, a, b, prueba)) r.push_back({a, v}), a = v;
    r.push_back({a, b});
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
        if (std::binary_search(aristas.begin(), aristas.end(), Clave(p, q)) || (C(p).X == C(q).X && C(p).Y == C(q).Y))
          continue;
        const bool tocada = std::any_of(segmentos.begin() + static_cast<std::ptrdiff_t>(k) + 1, segmentos.end(),
                                        [&](const auto& o) { return Se_Encuentran(C, p, q, o[0], o[1]); });
        if (!tocada && Dentro(C, tris, borde, p, q))
          problemas.push_back("piece " + std::to_string(p) + "-" + std::to_string(q) + " is inside and not an edge");
      }
    }
  }
  return problemas;
}

}  // namespace Vyr_Trilat::prueba
