// The drawing state that every class of the library shares on a thread (the view and the host's picture box),
// the world-to-pixel transforms and the primitives that draw on the picture box's device context.
#pragma once

#include "trilat/platform/HostArray.h"
#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat::mDibuja {

struct Estado_Dibujo {
  double oX1 = 0;    // world X at pixel column 0
  double oY1 = 0;    // world Y at pixel row altoY (the bottom edge)
  double EE1 = 0;    // world units per pixel, both axes
  double altoY = 0;  // picture height in pixels; rows grow downwards
  PictureBoxRef draww;
  HostArray<POINT> Ptos_Curva;     // contour polyline buffer
  HostArray<POINT> Ptos_Poligono;  // triangle and polygon buffer
};

// This thread's state: the last drawing-parameters call of any class decides where all of them draw.
Estado_Dibujo& Estado();

// Copies the view and takes `draww` as a picture box (error 13 when it is not one). The view stays set even
// when the object is refused.
void Pon_Vista(const double& oX1, const double& oY1, const double& EE1, const double& altoY, const ObjectRef& draww);

// The surface, or error 91 when none was handed over yet.
PictureBox& Superficie();

Long Pixel_X(const double& x);
Long Pixel_Y(const double& y);

void Linea(double X1, double Y1, double X2, double Y2);
void Linea_Color(double X1, double Y1, double X2, double Y2, const Long& color, const Integer& sin_uso);
void Linea_Hasta(double X, double Y);
void Triangulo(double X1, double Y1, double X2, double Y2, double X3, double Y3);
void Punto(double X, double Y, const Long& color);

}  // namespace Vyr_Trilat::mDibuja
