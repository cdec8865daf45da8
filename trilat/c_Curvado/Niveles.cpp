#include "trilat/c_Curvado/Niveles.h"

#include <algorithm>
#include <cmath>

namespace Vyr_Trilat::Niveles {

namespace {

// Far more than the rounding of a decimal elevation and equidistance and of their quotient, relative to it, and far
// less than any survey's precision.
constexpr double kParte_Redondeo = 1e-12;

// Whether q lies within `margen` of the whole number f, each side rounded to a double as the comparison reads.
bool Cerca_De(double q, double f, double margen) {
  const double q_arriba = q + margen;
  const double f_abajo = f - margen;
  const double q_abajo = q - margen;
  const double f_arriba = f + margen;
  return q_arriba > f_abajo && q_abajo < f_arriba;
}

// The whole number at or below an elevation's quotient by the equidistance. An elevation on a multiple in decimals
// (100.1 at 0.1) may divide to just below it: a quotient that short of a whole number is on it.
double Multiplo_Debajo(double q) { return std::floor(q + kParte_Redondeo * std::max(1.0, std::fabs(q))); }

}  // namespace

Integer Numero_Niveles(double cota_max, double cota_min, double e_finas) {
  const Integer n = CInt((cota_max - cota_min) / e_finas);
  // Rounded, the range's count of equidistances can fall short of the last level within it (100.9 to 102.3 at 1
  // gives 1: levels 100 and 101, and the terrain above 102 would have no line): the levels then go on up to it.
  const double hasta = Multiplo_Debajo(cota_max / e_finas) - std::floor(cota_min / e_finas);
  return hasta > n ? CInt(hasta) : n;
}

double Primer_Nivel(double cota_min, double e_finas) { return std::floor(cota_min / e_finas) * e_finas; }

double Cota_Trabajo(double z, double e_finas) {
  const double q = z / e_finas;
  return Cerca_De(q, Multiplo_Debajo(q), 0.004) ? z + 0.004 : z;
}

bool Es_Maestra(double cota, double e_maestras, double e_finas) {
  const double q = cota / e_maestras;
  const double f = std::floor((cota + 0.001) / e_maestras);
  return Cerca_De(q, f, 0.001) && std::fabs(cota - f * e_maestras) < e_finas / 2;
}

}  // namespace Vyr_Trilat::Niveles
