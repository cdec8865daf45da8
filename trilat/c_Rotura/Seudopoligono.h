// The constrained Delaunay triangulation of one side of a breakline's corridor: the pseudo-polygon a, the chain of
// corners on that side, b, closed by the breakline a-b. Classic recursion: for the base edge, the chain corner whose
// circumcircle with it holds no other corner of the chain; then the same for the two shorter chains on either side.
#pragma once

#include <span>
#include <vector>

#include "trilat/c_Rotura/Valida_Retriangulacion.h"

namespace Vyr_Trilat {

// Appends one triangle per corner of `cadena` (ordered from a's end to b's end, all strictly on one side of a-b)
// to `salida`. Exact in-circle and orientation tests; among corners on one circle, the first in the chain wins.
void Triangula_Seudopoligono(const HostArray<Vert>& Coord, Long a, Long b, std::span<const Long> cadena,
                             std::vector<Terna>& salida);

}  // namespace Vyr_Trilat
