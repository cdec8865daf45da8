// One checker for every triangulation a test produces: corners valid and distinct, no zero-area triangle,
// no two triangles overlapping or repeated, all decided with exact orientation tests.
#pragma once

#include <string>
#include <vector>

#include "trilat/common/Registros.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat::prueba {

struct Tri {
  Long a, b, c;
};

// The triangles 0 to nTri of the host's arrays; none when the arrays hold no triangle.
std::vector<Tri> Triangulos(Long nTri, const HostArray<Long>& V1, const HostArray<Long>& V2, const HostArray<Long>& V3);

// Every problem found, one line each; empty when the triangulation is sound. Points are 1-based.
std::vector<std::string> Verifica(const std::vector<double>& x, const std::vector<double>& y,
                                  const std::vector<Tri>& tris);

// Twice the signed area, exact in sign; used by tests that compare covered area.
double Area_Doble(const std::vector<double>& x, const std::vector<double>& y, const Tri& t);

// The circumradius as the completion measures it, infinite without area: from 1000 on, it adds no triangle.
double Radio_Circunscrito(const Vert& a, const Vert& b, const Vert& c);

}  // namespace Vyr_Trilat::prueba
