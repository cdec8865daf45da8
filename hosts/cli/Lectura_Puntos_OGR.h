// Survey points from a vector file that GDAL/OGR opens (GeoPackage, Shapefile, DXF, ...): the point features of
// one layer, with the elevation from the geometry or an attribute and the number from an attribute or the order.
#pragma once

#include <filesystem>

#include "hosts/cli/Levantamiento.h"
#include "hosts/cli/Opciones_Lectura.h"

namespace Vyr_Trilat::anfitrion {

// Takes the layer `opciones.capa` (the first when empty). Features whose geometry is not a single point (lines,
// texts of a drawing, empty geometries) are passed over. The elevation is the attribute `opciones.campo_cota` or
// else the point's Z; the number is the attribute `opciones.campo_numero` or else 1, 2, ... in feature order.
// Error_Entrada "FILE:feature FID: ..." for a point without elevation, a value that is not a finite number, a
// number that is not a positive integer or is repeated; "FILE: ..." for a file, layer or attribute that is not
// there and for a layer with no points.
Levantamiento Lee_Puntos_OGR(const std::filesystem::path& ruta, const Opciones_Lectura& opciones);

}  // namespace Vyr_Trilat::anfitrion
