#include "trilat/draw/mDibuja.h"

#include <cmath>

namespace Vyr_Trilat::mDibuja {

namespace {

thread_local Estado_Dibujo estado;

// Division as the host's floating point does it: by zero is an error, not an infinity.
double Divide(double num, double den) {
  if (den == 0) throw RuntimeError(num == 0 || std::isnan(num) ? Err::Overflow : Err::Division_By_Zero);
  const double v = num / den;
  if (!std::isfinite(v)) throw RuntimeError(Err::Overflow);
  return v;
}

Long Limita(Long p) {
  const long long a = p < 0 ? -static_cast<long long>(p) : p;
  if (a < 32001) return p;
  return p < 0 ? -32000 : 32000;
}

HDC Contexto() { return Superficie().hDC(); }

}  // namespace

Estado_Dibujo& Estado() { return estado; }

void Pon_Vista(const double& oX1, const double& oY1, const double& EE1, const double& altoY, const ObjectRef& draww) {
  estado.oX1 = oX1;
  estado.oY1 = oY1;
  estado.EE1 = EE1;
  estado.altoY = altoY;
  estado.draww = Como_PictureBox(draww);
}

PictureBox& Superficie() {
  if (!estado.draww) throw RuntimeError(Err::Object_Not_Set);
  return *estado.draww;
}

Long Pixel_X(const double& x) {
  const double v = Divide(x - estado.oX1, estado.EE1);
  const double f = std::floor(v);
  if (f < -2147483648.0 || f > 2147483647.0) throw RuntimeError(Err::Overflow);
  return Limita(static_cast<Long>(f));
}

Long Pixel_Y(const double& y) {
  const double v = Divide(y - estado.oY1, estado.EE1);
  const double w = std::floor(v);
  return Limita(CLng(estado.altoY - w));
}

void Linea(double X1, double Y1, double X2, double Y2) {
  const Long px1 = Pixel_X(X1);
  const Long px2 = Pixel_X(X2);
  const Long py1 = Pixel_Y(Y1);
  const Long py2 = Pixel_Y(Y2);
  MoveToEx(Contexto(), px1, py1);
  LineTo(Contexto(), px2, py2);
}

void Linea_Color(double X1, double Y1, double X2, double Y2, const Long& color, const Integer&) {
  Superficie().Let_ForeColor(color);
  Linea(X1, Y1, X2, Y2);
}

void Linea_Hasta(double X, double Y) {
  const Long px = Pixel_X(X);
  const Long py = Pixel_Y(Y);
  LineTo(Contexto(), px, py);
}

void Triangulo(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  auto& p = estado.Ptos_Poligono;
  p.ReDim(0, 3);
  p(0).x = Pixel_X(X1);
  p(1).x = Pixel_X(X2);
  p(2).x = Pixel_X(X3);
  p(0).y = Pixel_Y(Y1);
  p(1).y = Pixel_Y(Y2);
  p(2).y = Pixel_Y(Y3);
  // The fourth point repeats the first so that the outline is closed: a triangle drawn alone reads whole.
  p(3) = p(0);
  Polyline(Contexto(), &p(0), 4);
}

void Punto(double X, double Y, const Long& color) {
  const Long px = Pixel_X(X);
  const Long py = Pixel_Y(Y);
  Superficie().PSet(static_cast<float>(px), static_cast<float>(py), color);
}

}  // namespace Vyr_Trilat::mDibuja
