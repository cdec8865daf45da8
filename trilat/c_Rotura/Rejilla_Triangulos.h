// A uniform grid over the working triangles, so that a forcing looks only at the triangles near a segment
// instead of scanning the whole table. Each triangle is listed in every cell that its bounding box, widened by the
// search margin, covers; a triangle given new corners is listed again where it now lies (the old listing stays,
// which only adds a candidate that the exact tests turn down).
#pragma once

#include <unordered_map>
#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"
#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat {

// The bounding box of working triangle t.
Caja Caja_Triangulo(const Estado_Rotura& s, Long t);

class Rejilla_Triangulos {
 public:
  // `dominio` holds every corner; `holgura` is the search margin.
  Rejilla_Triangulos(const Estado_Rotura& s, const Caja& dominio, double holgura);

  // Appends every triangle whose box, widened by the margin, meets `cerca` and lies within the margin of the line
  // A-B (unsorted, possibly repeated).
  void Junto_A(const Vert& A, const Vert& B, const Caja& cerca, std::vector<Long>& posiciones) const;
  void Cambiado(Long t);

 private:
  template <typename F>
  bool Cada_Celda(Long t, F&& f) const;

  const Estado_Rotura& s_;
  double holgura_;
  Rejilla_Uniforme rejilla_;
  std::vector<std::size_t> inicio_;  // cell c lists lista_[inicio_[c] .. inicio_[c + 1])
  std::vector<Long> lista_;
  std::unordered_map<std::size_t, std::vector<Long>> nuevos_;  // listings of triangles changed since
  std::vector<Long> grandes_;  // triangles too large to list cell by cell: always looked at
};

}  // namespace Vyr_Trilat
