// Exact relations between triangles, decided with exact orientation tests: whether two triangles' interiors
// overlap, and whether a point lies in a closed triangle.
#pragma once

#include <array>

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

// Corners counter-clockwise.
using Triangulo_Plano = std::array<Vert, 3>;

// The corners in counter-clockwise order (a zero-area triangle is returned as given).
Triangulo_Plano En_Sentido_Antihorario(const Vert& a, const Vert& b, const Vert& c);

// The interiors share a point. Counter-clockwise, non-degenerate triangles.
bool Interiores_Se_Solapan(const Triangulo_Plano& p, const Triangulo_Plano& q);

// The bounding boxes of the two triangles (corners in any order) at most touch, so their interiors share no point.
bool Cajas_Apartadas(const Triangulo_Plano& p, const Triangulo_Plano& q);

// The same as Interiores_Se_Solapan, `dado` with its corners in any order: boxes that at most touch settle most
// pairs without orienting it.
inline bool Se_Solapan(const Triangulo_Plano& dado, const Triangulo_Plano& antihorario) {
  return !Cajas_Apartadas(dado, antihorario) &&
         Interiores_Se_Solapan(En_Sentido_Antihorario(dado[0], dado[1], dado[2]), antihorario);
}

// The point lies inside the counter-clockwise triangle or on its border.
bool En_Triangulo_Cerrado(const Triangulo_Plano& t, const Vert& p);

}  // namespace Vyr_Trilat
