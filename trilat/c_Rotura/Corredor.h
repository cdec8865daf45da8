// The corridor of a breakline piece: the triangles whose interior the open segment a-b passes through, in the
// order it passes them, and the two chains of corners on either side of it. Found by walking from a across the
// crossed edges with exact orientation tests.
#pragma once

#include <optional>
#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

struct Corredor {
  std::vector<Long> triangulos;  // working positions
  std::vector<Long> izquierda;   // corners left of a->b, in order from a's end to b's end
  std::vector<Long> derecha;     // corners right of it, likewise
};

// `cercanos` must hold every working triangle that touches the closed segment. No vertex may lie on the open
// segment, and a-b must not be an edge. Nothing when the segment leaves the triangulated area on its way (a
// boundary edge, a hole, a concave outline) or the triangles there do not fit edge to edge.
std::optional<Corredor> Busca_Corredor(const Estado_Rotura& s, const std::vector<Long>& cercanos, Long a, Long b);

// Whether a-b is an edge of one of the working triangles at `triangulos`.
bool Es_Arista(const Estado_Rotura& s, const std::vector<Long>& triangulos, Long a, Long b);

}  // namespace Vyr_Trilat
