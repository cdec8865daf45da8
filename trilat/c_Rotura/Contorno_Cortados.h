// The outline of the region that the crossed triangles cover, walked along the edges that the segment does not
// cross: for a strip of triangles from a to b it runs once around and ends back where it began, through a and b.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Cortados.h"

namespace Vyr_Trilat {

// Anillo at indices 0 to nAnillo (nAnillo = 0 and Anillo(0) = 0 when there is no uncrossed edge). From Anillo(0),
// the first edge of its first uncrossed edge, each step takes the first unused edge, in list order, that leaves the
// current corner for another point; the walk stops when there is none.
HostArray<Long> Contorno_Cortados(const std::vector<Cortado>& cortados, Long& nAnillo);

}  // namespace Vyr_Trilat
