// Exact arithmetic on expansions: a value held as a sum of doubles whose sum is exact. Building blocks for the
// exact predicates; the components are kept in increasing magnitude.
#pragma once

#include <vector>

namespace Vyr_Trilat::expansion {

// a + b = s + e exactly.
inline void Two_Sum(double a, double b, double& s, double& e) {
  s = a + b;
  const double bv = s - a;
  const double av = s - bv;
  e = (a - av) + (b - bv);
}

// a * b = p + e exactly (Dekker's product; no fused multiply-add is assumed).
inline void Two_Product(double a, double b, double& p, double& e) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  p = a * b;
  double c = kSplitter * a;
  const double ahi = c - (c - a);
  const double alo = a - ahi;
  c = kSplitter * b;
  const double bhi = c - (c - b);
  const double blo = b - bhi;
  e = ((ahi * bhi - p) + ahi * blo + alo * bhi) + alo * blo;
}

using Expansion = std::vector<double>;

// Adds one double to an expansion, exactly.
void Suma(Expansion& e, double b);

// The sign of the exact sum of an expansion.
int Signo(const Expansion& e);

}  // namespace Vyr_Trilat::expansion
