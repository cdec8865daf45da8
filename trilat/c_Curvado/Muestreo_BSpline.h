// Samples of the uniform cubic B-spline over a control sequence, for smoothed contour lines: the first control
// value, then each span j = 1 to nCtrl - 3 at t = k / segmentos for k = 0 to segmentos, so that every span ends
// exactly at t = 1 and the curve keeps its end.
#pragma once

#include <vector>

#include "trilat/c_Curvado/Secuencia_Control.h"
#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat {

// Every sample has Z = cota. A segment count of 0 is error 11 (division by zero), a negative one error 5.
std::vector<Pto3D> Muestrea(const Secuencia_Control& c, Long segmentos, double cota);

}  // namespace Vyr_Trilat
