// The contour lines of a run as GeoJSON: one LineString feature per stored line, in stored order, coordinates
// [x, y, z] exactly as stored (the shortest text that reads back to the same double), with the line's number,
// level, kind, colour and last vertex index as properties.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat::anfitrion {

// Lines 1 to nCurvas of the record (those the array holds). A value that is not a finite number is written null.
// The coordinates are the survey's: `crs`, when not empty, names their reference system in a "crs" member (as
// "urn:ogc:def:crs:EPSG::25830"), which GIS readers take instead of the longitude and latitude they assume.
void Escribe_Curvas_GeoJSON(std::ostream& f, const Datos_Curvas& d, const std::string& crs = {});

// The same, written whole or not at all; std::runtime_error naming the file when it cannot be written.
void Escribe_Curvas_GeoJSON(const std::filesystem::path& ruta, const Datos_Curvas& d, const std::string& crs = {});

}  // namespace Vyr_Trilat::anfitrion
