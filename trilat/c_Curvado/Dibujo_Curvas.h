// Drawing and storing one finished contour line: straight through its control sequence or smoothed through
// its B-spline samples, on the host's picture box by the drawing flag, always appended to the stored lines.
#pragma once

#include "trilat/c_Curvado/Estado_Curvado.h"
#include "trilat/c_Curvado/Secuencia_Control.h"

namespace Vyr_Trilat {

// Draws the sequence segment by segment whatever the flag says, stores it, and when Dibuja_Curvas is True draws
// it again as one polyline. Reports its own run-time errors and returns, so that tracing goes on.
void Curva_Recta(Estado_Curvado& s, const Secuencia_Control& c, double cota, Long color);

// Stores the smoothed samples and, when Dibuja_Curvas is True, draws them as one polyline. Its errors end the run.
void Curva_Suave(Estado_Curvado& s, const Secuencia_Control& c, Long segmentos, Long color, double cota);

}  // namespace Vyr_Trilat
