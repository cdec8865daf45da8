// The model as the host receives it. The sweep's returned triangles come first, less any of zero area or
// overlapping one kept before it (possible on degenerate input). Then come the triangles of the constrained
// Delaunay triangulation of the working points, constrained by the kept triangles' edges, that lie in no kept
// triangle and pass the sweep's own limits: the sweep's holes and the regions it abandoned are filled exactly
// where short triangles belong. Slivers that fail only the circle's limit are added too where the model closes
// all round them: they fill holes inside the survey, never the convex hull's edge.
#pragma once

#include <array>
#include <vector>

#include "trilat/c_Triangulos/Estado_Triangulos.h"

namespace Vyr_Trilat {

struct Modelo {
  // Working positions of the corners, ascending, in output order.
  std::vector<std::array<Long, 3>> triangulos;
  std::size_t del_barrido = 0;  // how many of them the sweep formed
};

// In the host's own coordinates, which the model is checked and completed in; the run's Delaunay triangulation
// there receives the kept triangles' edges as constraints. Its triangles are measured against the limits on the
// processor's threads, in stretches of at least `casillas_por_hilo` slots.
constexpr std::size_t kCasillas_Por_Hilo = 50000;
Modelo Completa(Estado_Triangulos& s, std::size_t casillas_por_hilo = kCasillas_Por_Hilo);

}  // namespace Vyr_Trilat
