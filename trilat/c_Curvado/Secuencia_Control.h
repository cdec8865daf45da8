// The control sequence of a finished chain: the chain with the middle of each edge inserted, its first value
// doubled and its last tripled, so that drawn straight it is the chain itself and sampled as a cubic B-spline it
// starts and ends on the chain's ends. A closed ring is first rewritten to start on the middle of its first edge.
#pragma once

#include <vector>

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

// Values 0 to nCtrl - 1, in world coordinates.
struct Secuencia_Control {
  std::vector<double> X, Y;
  Long nCtrl() const { return static_cast<Long>(X.size()); }
};

// Whether the chain ends where it started, within the tolerance box on each axis.
bool Es_Cerrada(const std::vector<Vert>& cadena, double tolerancia);

// The sequence of a chain of two or more vertices; a closed chain is rewritten in place first.
Secuencia_Control Secuencia_De(std::vector<Vert>& cadena, double tolerancia);

}  // namespace Vyr_Trilat
