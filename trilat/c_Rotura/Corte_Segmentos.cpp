#include "trilat/c_Rotura/Corte_Segmentos.h"

#include <algorithm>
#include <cmath>

namespace Vyr_Trilat {

namespace {

// -1 below, 1 above, 0 on the line: the first product against the second, each rounded to double.
int Lado(double izquierdo, double derecho) { return izquierdo < derecho ? -1 : izquierdo > derecho ? 1 : 0; }

// Two ends are "not strictly on the same side": one on the line, or one on each side.
bool Alcanza_Ambos_Lados(int l1, int l2) { return l1 == 0 || l2 == 0 || l1 != l2; }

// The ends p, q of one segment, along the axis on which the other segment lies (coordinate c).
bool Abarca(double p, double q, double c) { return (p >= c && q <= c) || (p <= c && q >= c); }

// The boxes of the two segments lie apart by more than any rounding of the side tests below. Those tests count an
// end on the other's line as reaching both sides, so on their own they find two segments of one line meeting however
// far apart they are: a forcing would then take every triangle along a straight string as crossed by each of its
// pieces, in a time that grows with the square of the string.
bool Apartadas(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4) {
  const double magnitud = std::max({std::fabs(X1), std::fabs(Y1), std::fabs(X2), std::fabs(Y2), std::fabs(X3),
                                    std::fabs(Y3), std::fabs(X4), std::fabs(Y4)});
  const double extension = std::max({std::fabs(X2 - X1), std::fabs(Y2 - Y1), std::fabs(X4 - X3), std::fabs(Y4 - Y3)});
  const double margen = 1e-12 * magnitud + 1e-9 * extension;
  const auto aparte = [&](double p1, double p2, double q1, double q2) {
    return std::min(p1, p2) - std::max(q1, q2) > margen || std::min(q1, q2) - std::max(p1, p2) > margen;
  };
  return aparte(X1, X2, X3, X4) || aparte(Y1, Y2, Y3, Y4);
}

}  // namespace

Long Corte_Segmentos(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4) {
  if (X1 == X3 && Y1 == Y3 && X2 == X4 && Y2 == Y4) return kMismo_Segmento;
  if (X2 == X3 && Y2 == Y3 && X1 == X4 && Y1 == Y4) return kMismo_Segmento;
  if ((X1 == X3 && Y1 == Y3) || (X1 == X4 && Y1 == Y4) || (X2 == X3 && Y2 == Y3) || (X2 == X4 && Y2 == Y4))
    return kExtremo_Comun;

  if (X1 == X2) X1 = X1 + 0.001;
  if (Y1 == Y2) Y1 = Y1 + 0.001;
  if (Apartadas(X1, Y1, X2, Y2, X3, Y3, X4, Y4)) return kNo_Se_Cortan;

  bool a;
  if (X1 == X2) {
    a = Abarca(X3, X4, X1);
  } else if (Y1 == Y2) {
    a = Abarca(Y3, Y4, Y1);
  } else {
    const double l3 = (X2 - X1) * (Y3 - Y1);
    const double r3 = (X3 - X1) * (Y2 - Y1);
    const double l4 = (X2 - X1) * (Y4 - Y1);
    const double r4 = (X4 - X1) * (Y2 - Y1);
    a = Alcanza_Ambos_Lados(Lado(l3, r3), Lado(l4, r4));
  }

  bool b;
  if (X3 == X4) {
    b = Abarca(X1, X2, X3);
  } else if (Y3 == Y4) {
    b = Abarca(Y1, Y2, Y3);
  } else {
    const double l1 = (X4 - X3) * (Y1 - Y3);
    const double r1 = (Y4 - Y3) * (X1 - X3);
    const double l2 = (X4 - X3) * (Y2 - Y3);
    const double r2 = (Y4 - Y3) * (X2 - X3);
    b = Alcanza_Ambos_Lados(Lado(l1, r1), Lado(l2, r2));
  }
  return a && b ? kSe_Cortan : kNo_Se_Cortan;
}

}  // namespace Vyr_Trilat
