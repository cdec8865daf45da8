// The public records of the interface.
#pragma once

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

// A segment from (X1, Y1) to (X2, Y2).
struct SEGS {
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A plane vertex.
struct Vert {
  double X = 0, Y = 0;
};

// A point with its host point number n.
struct XYZ {
  double X = 0, Y = 0, Z = 0;
  Long n = 0;
};

}  // namespace Vyr_Trilat
