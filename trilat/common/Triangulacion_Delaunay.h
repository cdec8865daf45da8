// Delaunay triangulation of a fixed point set, with constraint edges forced in afterwards (a constrained Delaunay
// triangulation). Every decision is an exact predicate, so any finite input gives a valid triangulation, and the
// same input gives the same triangles in the same order on every machine.
//
// Storage is a flat table of half-edges, three per triangle: half-edge e belongs to triangle e / 3 and runs from
// corner vertice_[e] to the corner of the next half-edge of its triangle, 3 (e / 3) + (e + 1) % 3; the corners of
// every triangle run counter-clockwise. gemela_[e] is the half-edge running the other way along the same edge, in
// the neighbouring triangle. The convex hull is closed by ghost triangles that join each hull edge to a vertex at
// infinity, written -1, so every half-edge has a twin and the triangles around a vertex form a closed ring.
// Inside, vertices are numbered in insertion order (spatially coherent, so neighbours sit close in memory); the
// interface names points by their input index 0 .. n - 1. A point that repeats an earlier one exactly is not a
// vertex: its representative, the lowest index with the same coordinates, stands for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Vyr_Trilat {

class Triangulacion_Delaunay {
 public:
  struct Arista {
    int a, b;
    bool operator==(const Arista&) const = default;
  };

  // Triangulates the points (x[i], y[i]). RuntimeError 5 when the lists differ in length, hold more than 300
  // million points, or hold a coordinate that is not finite or lies outside the exact range of the predicates
  // (magnitude 0 or between 1e-60 and 1e60).
  Triangulacion_Delaunay(std::span<const double> x, std::span<const double> y);

  int Numero_Puntos() const { return static_cast<int>(interno_.size()); }

  // The points take new indices: point i becomes point nuevo[i] (nuevo a permutation of 0 .. n - 1). The result is
  // exactly the triangulation, slot for slot, that the points listed in the new order give: the order of insertion
  // depends on the coordinates alone. RuntimeError 5 when nuevo is not such a permutation (nothing changes then).
  void Renumera(std::span<const int> nuevo);

  // i itself, or the lowest index with exactly the coordinates of point i. Every query below accepts any index
  // and answers for its representative; RuntimeError 9 for an index out of range.
  int Representante(int i) const;

  // False when fewer than three distinct points are given or all of them lie on one line: then there are no
  // triangles and no edges, and no constraint can be inserted.
  bool Tiene_Triangulos() const { return !sale_.empty(); }

  // Forces the segment from point a to point b into the triangulation as constrained edges and returns them in
  // order from a to b, named by representatives: one piece, or several when points lie exactly on the segment (it
  // is split at each); none when a and b are the same point. Returns nothing, and changes nothing, when the
  // segment would cross a constrained edge away from a point (crossing constraints are refused: the earlier one
  // stays), or when there are no triangles. The triangulation stays constrained Delaunay.
  std::optional<std::vector<Arista>> Inserta_Restriccion(int a, int b);
  // Inserts the segments from point a to each of `otros`, in that order, as Inserta_Restriccion would one by one,
  // without building their lists: the edges already there (the common case) are found round a, walked once while
  // nothing changes there.
  void Restringe_Desde(int a, std::span<const int> otros);

  // The finite triangles, corners (representatives) counter-clockwise, in the order of their slots in the table;
  // or f(slot, a, b, c) called for each in that order, without building the list. A triangle keeps its slot while
  // it stays in the triangulation (inserting constraints reuses the slots of those that give way); the slots are
  // numbered from 0 to Casillas() - 1, those of the ghost triangles among them.
  std::vector<std::array<int, 3>> Triangulos() const;
  template <typename F>
  void Para_Cada_Triangulo(F&& f) const {
    Para_Cada_Triangulo(0, Casillas(), f);
  }
  // The same over the slots desde .. hasta - 1 (several stretches may be gone through at once).
  template <typename F>
  void Para_Cada_Triangulo(std::size_t desde, std::size_t hasta, F&& f) const {
    for (std::size_t t = desde; t < hasta; ++t)
      if (!Es_Fantasma(static_cast<int>(t)))
        f(static_cast<int>(t), indice_[static_cast<std::size_t>(vertice_[3 * t])],
          indice_[static_cast<std::size_t>(vertice_[3 * t + 1])],
          indice_[static_cast<std::size_t>(vertice_[3 * t + 2])]);
  }
  std::size_t Casillas() const { return vertice_.size() / 3; }
  std::size_t Numero_Triangulos() const;

  bool Existe_Arista(int a, int b) const;
  // The slot of the triangle whose corners are points a, b and c (in any order), each its own representative; -1
  // when there is none.
  int Triangulo(int a, int b, int c) const;
  // The sides of the finite triangle in slot t become constrained edges, as inserting each would make them.
  void Restringe_Triangulo(int t);
  // The slot of the finite triangle across side k (0, 1 or 2: from its k-th corner to the next, as
  // Para_Cada_Triangulo lists them) of the finite triangle in slot t; -1 when that side is on the convex hull.
  int Vecina(int t, int k) const {
    const int u = gemela_[static_cast<std::size_t>(3 * t + k)] / 3;
    return Es_Fantasma(u) ? -1 : u;
  }
  bool Es_Restringida(int a, int b) const;
  // The slots of the triangles whose interiors share a point with the interior of the triangle with corners at
  // points a, b and c (none when that has no area); decided exactly. Not for use from two threads at once (it works
  // in scratch of its own).
  void Triangulos_Que_Solapan(int a, int b, int c, std::vector<int>& casillas) const;

  // The neighbours of point i in counter-clockwise order round it (their input indices); for a point on the convex
  // hull, from one of its hull neighbours round to the other. False, with the list empty, when i stands for an
  // earlier equal point or there are no triangles.
  bool Vecinos(int i, std::vector<int>& anillo) const;

  // Whether a coordinate is one the exact predicates take (finite, 0 or of magnitude 1e-60 to 1e60).
  static bool Coordenada_Admitida(double v);

 private:
  static int Siguiente(int e) { return e % 3 == 2 ? e - 2 : e + 1; }
  static int Anterior(int e) { return e % 3 == 0 ? e + 2 : e - 1; }
  bool Es_Fantasma(int t) const { return vertice_[3 * t] < 0 || vertice_[3 * t + 1] < 0 || vertice_[3 * t + 2] < 0; }
  int Orienta(int a, int b, int c) const;
  bool Mismo_Sentido(int c, int p, int q) const;

  // Point insertion (Bowyer-Watson: the triangles whose circle holds the point give way to a fan around it).
  void Construye();
  int Localiza(int p) const;
  bool En_Conflicto(int t, int p) const;
  void Inserta(int p, int t);

  // Constraint insertion: the triangles a piece crosses give way to a triangulation of the two polygons on either
  // side of it, then flips restore the constrained Delaunay property.
  struct Lado {
    int a, b, e;
    bool exterior;
  };
  int Busca_Arista(int a, int b) const;
  // The edge of half-edge e is constrained, on both its halves.
  void Restringe(int e) {
    const auto h = static_cast<std::size_t>(e);
    restringida_[h] = restringida_[static_cast<std::size_t>(gemela_[h])] = 1;
  }
  // The first half-edge leaving vertex u, turning round it, for which para(e) holds; -1 when none.
  template <typename F>
  int Alrededor(int u, F&& para) const {
    const int e0 = sale_[static_cast<std::size_t>(u)];
    if (e0 < 0) return -1;
    int e = e0;
    do {
      if (para(e)) return e;
      e = gemela_[static_cast<std::size_t>(Anterior(e))];
    } while (e != e0);
    return -1;
  }
  int Traza(int u, int b, std::vector<int>& cruzadas) const;
  void Rehace(int u, int c, const std::vector<int>& cruzadas);
  void Triangula_Poligono(int u, int v, const std::vector<int>& cadena, std::vector<std::array<int, 3>>& salida) const;
  bool Triangulo_Valido(int u, int v, const std::vector<int>& cadena, int lo, int hi, int k) const;
  bool En_Cuna(int c, int siguiente, int previo, int d) const;
  void Enlaza(std::vector<Lado>& lados);
  void Legaliza(std::vector<int>& pendientes);
  void Voltea(int e);

  int Interno(int i) const;
  std::vector<double> x_, y_;              // per vertex
  std::vector<int> indice_;                // per vertex, the input index of its point
  std::vector<int> interno_;               // per input point, the vertex that stands for it
  std::vector<int> vertice_;               // corner where each half-edge starts; -1 the vertex at infinity
  std::vector<int> gemela_;                // the opposite half-edge
  std::vector<std::uint8_t> restringida_;  // per half-edge, set on both halves of a constrained edge
  std::vector<int> sale_;                  // per vertex, a half-edge leaving it; empty: no triangles

  // Scratch of the point insertion.
  std::vector<std::uint32_t> marca_;
  std::uint32_t sello_ = 0;
  int ultimo_ = 0;
  std::vector<int> pila_, cavidad_;
  std::vector<Lado> frontera_;
  // Scratch of Triangulos_Que_Solapan: unlike the other queries, it is not for use from two threads at once.
  mutable std::vector<int> vistos_, pendientes_;
  std::vector<std::array<int, 2>> estrella_;  // Restringe_Desde's: the vertices round a, with the half-edges to them
};

}  // namespace Vyr_Trilat
