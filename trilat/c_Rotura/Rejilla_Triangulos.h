// Uniform grids over the working triangles, so that a forcing looks only at the triangles near a segment instead of
// scanning the whole table. Each triangle is listed in every cell that its bounding box, widened by the search
// margin, covers, in the finest of a series of ever coarser grids where those cells are few: long thin triangles
// (a model's edge, a gap between survey strings) would otherwise be listed in hundreds of cells or read by every
// search. A triangle given new corners is listed again where it now lies (the old listing stays, which only adds a
// candidate that the exact tests turn down).
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
  struct Nivel {
    Rejilla_Uniforme rejilla;
    std::vector<std::size_t> inicio;  // cell c lists lista[inicio[c] .. inicio[c + 1])
    std::vector<Long> lista;
    std::unordered_map<std::size_t, std::vector<Long>> nuevos;  // listings of triangles changed since
  };
  // The level whose grid lists triangle t, and its widened box.
  std::size_t Nivel_De(Long t, Caja& caja) const;

  const Estado_Rotura& s_;
  double holgura_;
  std::vector<Nivel> niveles_;  // finest first; the last lists whatever the others do not
};

}  // namespace Vyr_Trilat
