// How two segments meet, in the vocabulary of the breakline forcing: the one test that decides which
// triangles a breakline crosses and which diagonals a new triangulation may use.
#pragma once

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

enum Codigo_Corte : Long {
  kSe_Cortan = 0,  // they cross, touch or overlap
  kNo_Se_Cortan = 1,
  kExtremo_Comun = 2,   // they share an end point (exactly equal coordinates)
  kMismo_Segmento = 3,  // same end points, either direction
};

// Segment S = (X1, Y1)-(X2, Y2) against T = (X3, Y3)-(X4, Y4). Coordinates are compared exactly; the side
// tests are inclusive and use products rounded to double. An axis-parallel S is tilted slightly about its
// second end (its first end moved by 0.001) before the side tests. Segments whose boxes lie apart (by more than
// a billionth of their length and a trillionth of their coordinates) do not meet.
Long Corte_Segmentos(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4);

}  // namespace Vyr_Trilat
