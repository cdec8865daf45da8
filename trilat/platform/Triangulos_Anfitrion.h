// Triangles handed to a host as its three corner arrays 0 to nTri, from a list of corner triples.
#pragma once

#include <array>
#include <vector>

#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

// `desplaza` is added to every corner (1 turns 0-based indices into point numbers). An empty list leaves
// nTri = -1 and the arrays unallocated.
template <typename Indice>
void Llena_Triangulos(const std::vector<std::array<Indice, 3>>& triangulos, Long& nTri, HostArray<Long>& V1,
                      HostArray<Long>& V2, HostArray<Long>& V3, Long desplaza = 0) {
  nTri = static_cast<Long>(triangulos.size()) - 1;
  if (nTri < 0) {
    V1.Erase(), V2.Erase(), V3.Erase();
    return;
  }
  V1.ReDim(0, nTri), V2.ReDim(0, nTri), V3.ReDim(0, nTri);
  for (Long t = 0; t <= nTri; ++t) {
    const auto& v = triangulos[static_cast<std::size_t>(t)];
    V1(t) = static_cast<Long>(v[0]) + desplaza;
    V2(t) = static_cast<Long>(v[1]) + desplaza;
    V3(t) = static_cast<Long>(v[2]) + desplaza;
  }
}

}  // namespace Vyr_Trilat
