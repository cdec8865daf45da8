// A triangulation from a tin.csv file, the form in which the command writes its own: a header
// `index,v1,v2,v3`, then one row per triangle, its index (0, 1, 2, ... in order) and its three survey point
// numbers. Read into the host's triangle arrays, so that a run can start from it instead of triangulating.
#pragma once

#include <filesystem>

#include "hosts/cli/Levantamiento.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat::anfitrion {

struct Tin_Leido {
  Long nTri = 0;                  // index of the last triangle
  HostArray<Long> Vt1, Vt2, Vt3;  // 0 to nTri, library positions of the corners
};

// Error_Entrada "FILE:LINE: ..." for a missing or different header, a row without four fields, a field that is
// not a whole number, an index out of sequence, a point number not in the survey, a point repeated within a
// triangle, a triangle whose corners lie on a line, a triangle listed twice or lying over an earlier one;
// "FILE: ..." for a file that cannot be read or holds no triangle.
Tin_Leido Lee_Tin(const std::filesystem::path& ruta, const Levantamiento& lev);

}  // namespace Vyr_Trilat::anfitrion
