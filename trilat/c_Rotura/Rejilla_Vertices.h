// The triangulation's vertices in a uniform grid, each with the working triangles at it, to find the triangles
// with an edge lying along a line anywhere in the model: the segment test calls two segments on one line
// meeting however far apart they are, so a forcing must find those too without scanning the table.
#pragma once

#include <unordered_map>
#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"
#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat {

class Rejilla_Vertices {
 public:
  // `dominio` holds every corner; `holgura` is how far from the line a corner may lie.
  Rejilla_Vertices(const Estado_Rotura& s, const Caja& dominio, double holgura);

  // Appends every working triangle with two corners within the margin of the line through A and B (A != B),
  // unsorted and possibly repeated.
  void A_Lo_Largo(const Vert& A, const Vert& B, std::vector<Long>& posiciones) const;
  // Working triangle t has new corners.
  void Cambiado(Long t);

 private:
  struct Punto {
    double x, y;
    Long v;
  };

  const Estado_Rotura& s_;
  double holgura_;
  Rejilla_Uniforme rejilla_;
  std::vector<std::size_t> inicio_;  // the corners in cell c: puntos_[inicio_[c] .. inicio_[c + 1])
  std::vector<Punto> puntos_;
  std::vector<std::size_t> inicio_tri_;  // the triangles at corner v: en_vertice_[inicio_tri_[v] .. [v + 1])
  std::vector<Long> en_vertice_;
  std::unordered_map<Long, std::vector<Long>> nuevos_;  // triangles that took a corner since (corner -> triangles)
};

}  // namespace Vyr_Trilat
