// Confirms breakline ends as triangulation vertices without scanning the triangle table for every end: which
// points are corners, where each first appears in the table, and the corners sorted by X for the snap search.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

class Indice_Vertices {
 public:
  // Reads the working triangles as they are now; they must not change while the index is used.
  explicit Indice_Vertices(const Estado_Rotura& s);

  // As Busqueda_Rotura::Busca_Vertice: found when P is a corner; otherwise the first corner in table order
  // within 0.001 of P in X and Y takes its place.
  bool Busca_Vertice(Long& P);

 private:
  // Where a corner first appears: 3 (t - 1) + k for corner k (0 to 2) of working triangle t.
  using Orden = long long;
  static constexpr Orden kNunca = -1;

  bool Es_Esquina(Long P) const;
  bool Cerca(const Vert& p, const Vert& c) const;

  const Estado_Rotura& s_;
  bool hay_triangulos_ = false;
  std::vector<Orden> primera_;    // per point 0 to nPt
  std::vector<Long> fuera_;       // corners outside Coord, sorted
  Orden primera_fuera_ = kNunca;  // where the first of them stands
  std::vector<Long> por_x_;       // corners within Coord sorted by X, built on the first snap
};

}  // namespace Vyr_Trilat
