#include "trilat/common/Expansion.h"

#include <cmath>

namespace Vyr_Trilat::expansion {

// Both inputs merged by increasing magnitude and swept with exact sums (the fast expansion sum of Shewchuk's
// "Adaptive Precision Floating-Point Arithmetic"): non-overlapping in, non-overlapping out, under round-to-even.
int Suma(const double* e, int ne, const double* f, int nf, double* h) {
  int i = 0, j = 0, k = 0;
  const auto menor = [&]() {
    if (j >= nf || (i < ne && std::fabs(e[i]) <= std::fabs(f[j]))) return e[i++];
    return f[j++];
  };
  double q = menor();
  for (int m = 1; m < ne + nf; ++m) {
    double s = 0, err = 0;
    Two_Sum(q, menor(), s, err);
    if (err != 0) h[k++] = err;
    q = s;
  }
  if (q != 0 || k == 0) h[k++] = q;
  return k;
}

int Escala(const double* e, int ne, double b, double* h) {
  int k = 0;
  double q = 0, err = 0;
  Two_Product(e[0], b, q, err);
  if (err != 0) h[k++] = err;
  for (int i = 1; i < ne; ++i) {
    double alto = 0, bajo = 0, s = 0;
    Two_Product(e[i], b, alto, bajo);
    Two_Sum(q, bajo, s, err);
    if (err != 0) h[k++] = err;
    Two_Sum(alto, s, q, err);
    if (err != 0) h[k++] = err;
  }
  if (q != 0 || k == 0) h[k++] = q;
  return k;
}

}  // namespace Vyr_Trilat::expansion
