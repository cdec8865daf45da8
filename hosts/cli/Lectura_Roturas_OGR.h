// Breaklines drawn in a vector file that GDAL/OGR opens: each line of a layer, its vertices matched to the
// survey points they were snapped to, becomes a polyline of point numbers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

// How far (planimetric) a vertex may be from the survey point it stands for.
inline constexpr double kTolerancia_Vertice = 0.001;

// Every LineString of layer `capa` (the first when empty), and every part of a MultiLineString, in feature order;
// other geometries are passed over. Each vertex becomes the number of the nearest survey point within
// kTolerancia_Vertice; repeated consecutive points are kept once and a line left with fewer than two is dropped.
// Error_Entrada "FILE:feature FID, vertex K: ..." (K from 1, with the part for a multi-line) for a vertex with no
// point that near, "FILE: ..." for a file or layer that is not there or a layer with no lines.
std::vector<std::vector<std::int64_t>> Lee_Roturas_OGR(const std::filesystem::path& ruta, const Levantamiento& lev,
                                                       const std::string& capa = {});

}  // namespace Vyr_Trilat::anfitrion
