// The model as the host receives it. The sweep's returned triangles come first, less any of zero area or
// overlapping one kept before it (possible on degenerate input). Then come the triangles of the constrained
// Delaunay triangulation of the working points, constrained by the kept triangles' edges, that lie in no kept
// triangle and pass the sweep's own limits: the sweep's holes and the regions it abandoned are filled exactly
// where short triangles belong.
#pragma once

#include <array>
#include <vector>

#include "trilat/c_Triangulos/Estado_Triangulos.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

struct Modelo {
  // Working positions of the corners, ascending, in output order.
  std::vector<std::array<Long, 3>> triangulos;
  std::size_t del_barrido = 0;  // how many of them the sweep formed
};

// `X`, `Y` are the host's coordinates, which the model is checked and completed in.
Modelo Completa(const Estado_Triangulos& s, const HostArray<double>& X, const HostArray<double>& Y);

}  // namespace Vyr_Trilat
