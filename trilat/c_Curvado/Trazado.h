// The tracing of one contouring run once its entry checks have passed: the working tables, the progress
// protocol and, level by level, the segments, their chains, each line's style and its drawing and storage.
#pragma once

#include "trilat/c_Curvado/Estado_Curvado.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

// Traces levels cota, cota + E_finas, ... (nNiveles + 1 of them, by repeated addition). A triangle corner that
// is not a point number from 1 to nPun is error 9.
void Traza(Estado_Curvado& s, Long nPun, const HostArray<double>& X, const HostArray<double>& Y,
           const HostArray<double>& Z, Long nTri, const HostArray<Long>& Vt1, const HostArray<Long>& Vt2,
           const HostArray<Long>& Vt3, Integer nNiveles, double cota);

}  // namespace Vyr_Trilat
