// The polyline record of the sibling library, as a host hands its breaklines over: the vertex count and the
// point numbers of the vertices, then fields of the sibling library that the breakline service never touches.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "trilat/platform/HostArray.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

struct Polilinea {
  Long nPtos = 0;
  HostArray<Long> Ptos;  // point numbers at indices 1 to nPtos
  // The rest of the sibling library's record, carried along unread.
  std::array<std::uint8_t, 8> Otros{};
};

// The records of polylines given as lists of point numbers: Pol(1) to Pol(n), in the lists' order.
inline HostArray<Polilinea> Polilineas_De(const std::vector<std::vector<Long>>& lineas) {
  HostArray<Polilinea> Pol(1, static_cast<Long>(lineas.size()));
  for (Long p = 1; p <= Pol.UBound(); ++p) {
    const auto& linea = lineas[static_cast<std::size_t>(p - 1)];
    Polilinea& l = Pol(p);
    l.nPtos = static_cast<Long>(linea.size());
    l.Ptos.ReDim(1, l.nPtos);
    for (Long k = 1; k <= l.nPtos; ++k) l.Ptos(k) = linea[static_cast<std::size_t>(k - 1)];
  }
  return Pol;
}

}  // namespace Vyr_Trilat
