#include "trilat/c_Triangulos/Predicados.h"

#include <cmath>

namespace Vyr_Trilat {

namespace {

bool Degenerado(Circulo& c) {
  c = {0, 0, 100000};
  return false;
}

}  // namespace

bool En_Circulo(double tolerancia, Circulo& c, double Xp, double Yp, double X1, double Y1, double X2, double Y2,
                double X3, double Y3) {
  if ((std::fabs(Y1 - Y2) < kCasi_Cero && std::fabs(Y2 - Y3) < kCasi_Cero && std::fabs(Y1 - Y3) < kCasi_Cero) ||
      (std::fabs(X1 - X2) < kCasi_Cero && std::fabs(X2 - X3) < kCasi_Cero && std::fabs(X1 - X3) < kCasi_Cero))
    return Degenerado(c);

  if (std::fabs(Y2 - Y1) < kCasi_Cero) {
    const double m = -(X3 - X2) / (Y3 - Y2);
    c.Xc = (X1 + X2) / 2;
    c.Yc = (c.Xc - (X2 + X3) / 2) * m + (Y2 + Y3) / 2;
  } else if (std::fabs(Y3 - Y2) < kCasi_Cero) {
    const double m1 = -(X2 - X1) / (Y2 - Y1);
    c.Xc = (X2 + X3) / 2;
    c.Yc = (c.Xc - (X1 + X2) / 2) * m1 + (Y1 + Y2) / 2;
  } else {
    const double m1 = -(X2 - X1) / (Y2 - Y1);
    const double m2 = -(X3 - X2) / (Y3 - Y2);
    const double mx1 = (X1 + X2) / 2, my1 = (Y1 + Y2) / 2;
    const double mx2 = (X2 + X3) / 2, my2 = (Y2 + Y3) / 2;
    if (m1 == m2) return Degenerado(c);
    c.Xc = (m1 * mx1 - m2 * mx2 + my2 - my1) / (m1 - m2);
    c.Yc = (c.Xc - mx1) * m1 + my1;
  }
  const double R2 = (X2 - c.Xc) * (X2 - c.Xc) + (Y2 - c.Yc) * (Y2 - c.Yc);
  c.R = std::sqrt(R2);
  const double d2 = (Xp - c.Xc) * (Xp - c.Xc) + (Yp - c.Yc) * (Yp - c.Yc) + tolerancia;
  return d2 < R2;
}

double Distancia(const XYZ& a, const XYZ& b) {
  const double dx = a.X - b.X, dy = a.Y - b.Y;
  return std::sqrt(dx * dx + dy * dy);
}

Mas_Lejos_Que::Mas_Lejos_Que(double limite) {
  if (!(limite >= 0)) {
    umbral_ = -1;  // every root, being at least 0, exceeds it
    return;
  }
  // Square roots are correctly rounded and monotone: step from limite² to the last square whose root stays within.
  double t = limite * limite;
  while (t > 0 && std::sqrt(t) > limite) t = std::nextafter(t, 0.0);
  while (std::isfinite(t) && !(std::sqrt(std::nextafter(t, INFINITY)) > limite)) t = std::nextafter(t, INFINITY);
  umbral_ = t;
}

namespace {
double Distancia2(const XYZ& a, const XYZ& b) {
  const double dx = a.X - b.X, dy = a.Y - b.Y;
  return dx * dx + dy * dy;
}
}  // namespace

Lejos Lejanias(const XYZ& A, const XYZ& B, const XYZ& C, const XYZ& P, const Mas_Lejos_Que& lejos) {
  const bool a = lejos(Distancia2(P, A)), b = lejos(Distancia2(P, B)), c = lejos(Distancia2(P, C));
  return {a || b, b || c, a || c};
}

Lejos Lejanias(const XYZ& A, const XYZ& B, const XYZ& C, const XYZ& P, double limite) {
  return Lejanias(A, B, C, P, Mas_Lejos_Que(limite));
}

bool Lados_Largos(const XYZ& A, const XYZ& B, const XYZ& C, double dist_max) {
  return !(Distancia(A, B) <= dist_max && Distancia(B, C) <= dist_max && Distancia(C, A) <= dist_max);
}

bool Lados_Largos(const XYZ& A, const XYZ& B, const XYZ& C, const Mas_Lejos_Que& largo) {
  return largo(Distancia2(A, B)) || largo(Distancia2(B, C)) || largo(Distancia2(C, A));
}

}  // namespace Vyr_Trilat
