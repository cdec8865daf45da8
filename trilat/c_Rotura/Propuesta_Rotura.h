// The forcing's own retriangulation of the triangles that one segment crosses: find and draw the crossed
// triangles, walk their outline, list the edges of the new triangulation and find its triangles. What it
// proposes is not yet written anywhere.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Cortados.h"
#include "trilat/c_Rotura/Valida_Retriangulacion.h"

namespace Vyr_Trilat {

struct Propuesta_Rotura {
  std::vector<Cortado> cortados;  // in working-table order
  std::vector<Terna> nuevos;      // in the order found; none when the outline has fewer than three corners
};

// Segment a-b against the working triangles at `candidatos` (ascending; a superset of those it can cross).
Propuesta_Rotura Propone_Rotura(const Estado_Rotura& s, Long a, Long b, const std::vector<Long>& candidatos);

}  // namespace Vyr_Trilat
