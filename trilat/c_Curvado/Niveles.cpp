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

}  // namespace

Integer Numero_Niveles(double cota_max, double cota_min, double e_finas) {
  return CInt((cota_max - cota_min) / e_finas);
}

double Primer_Nivel(double cota_min, double e_finas) { return std::floor(cota_min / e_finas) * e_finas; }

double Cota_Trabajo(double z, double e_finas) {
  const double q = z / e_finas;
  // An elevation on a multiple in decimals (100.1 at 0.1) may divide to just below it, and would leave the level
  // through the vertex, tracing lines of no length around it: a quotient that short of a whole number is on it.
  const double f = std::floor(q + kParte_Redondeo * std::max(1.0, std::fabs(q)));
  return Cerca_De(q, f, 0.004) ? z + 0.004 : z;
}

bool Es_Maestra(double cota, double e_maestras) {
  const double q = cota / e_maestras;
  return Cerca_De(q, std::floor((cota + 0.001) / e_maestras), 0.001);
}

}  // namespace Vyr_Trilat::Niveles
