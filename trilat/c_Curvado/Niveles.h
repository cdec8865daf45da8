// The level arithmetic of contouring: how many levels an elevation range holds, the first of them, the working
// elevation that keeps survey points off the levels, and which levels are major contours.
#pragma once

#include "trilat/platform/Types.h"

namespace Vyr_Trilat::Niveles {

// Intervals between the range's levels, (cota_max - cota_min) / e_finas rounded half to even, or more when that
// falls short of the last multiple of e_finas at or below cota_max; error 6 outside 16 bits. The levels traced are
// this many plus one, from Primer_Nivel.
Integer Numero_Niveles(double cota_max, double cota_min, double e_finas);

// The level tracing starts from: the multiple of e_finas at or below cota_min.
double Primer_Nivel(double cota_min, double e_finas);

// The elevation a point is traced with: lifted by 0.004 when it lies on a multiple of e_finas (also when only the
// rounding of the division puts it below) or less than 0.008 e_finas above one, so that no vertex sits on a level;
// points just below a multiple stay.
double Cota_Trabajo(double z, double e_finas);

// A level within 0.002 (in units of e_maestras) of a multiple of e_maestras is a major contour, unless another
// level of the equidistance e_finas lies nearer that multiple: against a major equidistance over 500 times the
// minor, the tolerance would take the neighbouring levels for major ones too.
bool Es_Maestra(double cota, double e_maestras, double e_finas);

}  // namespace Vyr_Trilat::Niveles
