// The edges of a new triangulation of the crossed region: the segment a-b, the outline's sides, then every
// diagonal from a, from b and between outline corners that crosses nothing listed before it and whose midpoint
// lies inside the outline. The order decides which of two crossing diagonals survives.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

struct Lado {
  Long P1 = 0, P2 = 0;
};

// Anillo(0 .. nAnillo) as Contorno_Cortados leaves it, nAnillo at least 1. Draws the first edges in tricolor
// when Formacion is True.
std::vector<Lado> Lados_Cavidad(const Estado_Rotura& s, Long a, Long b, const HostArray<Long>& Anillo, Long nAnillo);

}  // namespace Vyr_Trilat
