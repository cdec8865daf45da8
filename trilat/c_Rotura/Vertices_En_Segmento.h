// The triangulation vertices that lie on a breakline segment between its ends, where the segment has to be
// split so that each piece can become an edge.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

enum class Prueba_Linea {
  // On the line to within the rounding of the coordinates: points that lie on a straight line in the decimals of
  // a survey miss it in binary by a few units in the last place of the largest coordinate, and a breakline drawn
  // through them must pass through them (the segment test's own side test, equal products rounded to double,
  // seldom finds them, and the line would then run past them forming slivers).
  Cercana,
  // On the line by the exact orientation test.
  Exacta,
};

// Corners of the working triangles at `triangulos`, other than a and b, on segment a-b strictly between its ends
// along the axis of its larger extent (X on a tie); ordered by squared distance from a, then by point number.
std::vector<Long> Vertices_En_Segmento(const Estado_Rotura& s, const std::vector<Long>& triangulos, Long a, Long b,
                                       Prueba_Linea prueba);

}  // namespace Vyr_Trilat
