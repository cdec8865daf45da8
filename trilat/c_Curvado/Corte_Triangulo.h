// Where one triangle of the terrain model meets a level: the segment between the crossings of its edges with
// the horizontal plane, the one rule that every way of collecting a level's segments applies.
#pragma once

#include <optional>
#include <vector>

#include "trilat/common/Registros.h"
#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat {

// A triangle's corners as zero-based positions in the working point table.
struct Esquinas {
  Long T1 = 0, T2 = 0, T3 = 0;
};

// Where an end of a segment lies in the model: on the edge between two corners (positions, the lower first), or at
// a corner (both the same). The segments of two triangles that meet a level on their shared edge end at the same
// place, however the rounding of each triangle's crossing falls.
struct Lugar_Extremo {
  Long p = -1, q = -1;
  auto operator<=>(const Lugar_Extremo&) const = default;
};
struct Lugares_Segmento {
  Lugar_Extremo inicio, fin;
};

// The triangle's segment at level `cota`, if it has one, and where its ends lie when `lugares` is given. Edges are
// cut in the order A-B, C-B, A-C; an edge whose ends differ by 0.0002 or less in elevation is never cut. Three
// crossings mean the level passes through a corner: the two crossings that coincide (or, failing an exact match,
// lie nearest) count as one.
std::optional<SEGS> Corta_Triangulo(const std::vector<Pto3D>& puntos, const Esquinas& t, double cota,
                                    Lugares_Segmento* lugares = nullptr);

}  // namespace Vyr_Trilat
