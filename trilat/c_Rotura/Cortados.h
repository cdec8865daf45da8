// The triangles that a breakline segment crosses, found and drawn as the forcing defines it: each working triangle
// in table order, its edges V1-V2, V3-V2, V3-V1 tested against the segment, a crossed edge drawn (light cyan, the
// third edge light green) and flagged, the test of a triangle stopping at an edge identical to the segment.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

inline constexpr Long kCian_Claro = 16776960;  // palette entry 11: red 0, green 255, blue 255
inline constexpr Long kVerde_Claro = 65280;    // palette entry 10: red 0, green 255, blue 0

// A crossed triangle: its record with the crossed edges flagged, and its position in the working table.
struct Cortado {
  Triang_Rot r;
  Long origen = 0;
};

// Tests the working triangles at `candidatos` (ascending; every triangle that can be crossed must be among them)
// against segment a-b and returns the crossed ones in that order.
std::vector<Cortado> Busca_Cortados(const Estado_Rotura& s, Long a, Long b, const std::vector<Long>& candidatos);

}  // namespace Vyr_Trilat
