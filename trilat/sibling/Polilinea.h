// The polyline record of the sibling library, as a host hands its breaklines over: the vertex count and the
// point numbers of the vertices, then fields of the sibling library that the breakline service never touches.
#pragma once

#include <array>
#include <cstdint>

#include "trilat/platform/HostArray.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

struct Polilinea {
  Long nPtos = 0;
  HostArray<Long> Ptos;  // point numbers at indices 1 to nPtos
  // The rest of the sibling library's record, carried along unread.
  std::array<std::uint8_t, 8> Otros{};
};

}  // namespace Vyr_Trilat
