// Exact arithmetic on expansions: a value held as a sum of doubles that is exact. Building blocks for the exact
// predicates. The components never overlap, grow in magnitude and leave zeros out (a lone zero stands for 0), so
// the sign of the value is the sign of the last component. Every result's capacity is fixed at compile time from
// its operands', so exact arithmetic never touches the heap.
//
// Exact as long as nothing overflows or underflows: with coordinates of magnitude 0 or between 1e-60 and 1e60,
// the degree-four polynomials of the predicates stay clear of both.
#pragma once

#include <array>

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

// h := e + f; h has room for ne + nf components. Returns the number of components of h.
int Suma(const double* e, int ne, const double* f, int nf, double* h);

// h := e * b; h has room for 2 ne components. Returns the number of components of h.
int Escala(const double* e, int ne, double b, double* h);

template <int N>
struct Expansion {
  std::array<double, N> c;
  int n = 0;

  int Signo() const { return (c[n - 1] > 0) - (c[n - 1] < 0); }
};

// a - b exactly, in one or two components.
inline Expansion<2> Diferencia(double a, double b) {
  Expansion<2> r;
  double s = 0, e = 0;
  Two_Sum(a, -b, s, e);
  if (e != 0) r.c[r.n++] = e;
  r.c[r.n++] = s;
  return r;
}

template <int A, int B>
Expansion<A + B> operator+(const Expansion<A>& e, const Expansion<B>& f) {
  Expansion<A + B> h;
  h.n = Suma(e.c.data(), e.n, f.c.data(), f.n, h.c.data());
  return h;
}

template <int N>
Expansion<N> operator-(Expansion<N> e) {
  for (int i = 0; i < e.n; ++i) e.c[i] = -e.c[i];
  return e;
}

template <int A, int B>
Expansion<A + B> operator-(const Expansion<A>& e, const Expansion<B>& f) {
  return e + (-f);
}

// The sum, over the components of f, of e scaled by each.
template <int A, int B>
Expansion<2 * A * B> operator*(const Expansion<A>& e, const Expansion<B>& f) {
  Expansion<2 * A * B> h;
  std::array<double, 2 * A * B> suma;
  std::array<double, 2 * A> parte;
  h.n = Escala(e.c.data(), e.n, f.c[0], h.c.data());
  for (int i = 1; i < f.n; ++i) {
    const int np = Escala(e.c.data(), e.n, f.c[i], parte.data());
    const int ns = Suma(h.c.data(), h.n, parte.data(), np, suma.data());
    for (int k = 0; k < ns; ++k) h.c[k] = suma[k];
    h.n = ns;
  }
  return h;
}

}  // namespace Vyr_Trilat::expansion
