// The contour lines of a run written through GDAL/OGR: a DXF drawing for CAD (each line a polyline at its
// elevation on the layer and in the colour of its kind) and any OGR vector format for GIS (LineStrings with Z and
// their attributes). Both are written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hosts/cli/Salida_LandXML.h"
#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat::anfitrion {

struct Capas_DXF {
  std::string finas = "CURVAS_FINAS";
  std::string maestras = "CURVAS_MAESTRAS";
};

// std::invalid_argument for a layer name CAD refuses (empty, or holding any of < > / \ " : ; ? * | = `) or that the
// drawing's code page cannot hold (names are UTF-8, of ASCII and U+00A0 to U+00FF, written in Windows-1252).
void Comprueba_Capas_DXF(const Capas_DXF& capas);

// Lines 1 to nCurvas of the record (those the array holds) with two vertices or more, in stored order, each an
// LWPOLYLINE at its elevation (group code 38) in the line's own colour, or the nearest of CAD's indexed colours
// (GDAL's DXF writer keeps no other). std::invalid_argument for layer names Comprueba_Capas_DXF refuses,
// std::runtime_error naming the file when it cannot be written.
void Escribe_Curvas_DXF(const std::filesystem::path& ruta, const Datos_Curvas& d, const Capas_DXF& capas = {});

// The extension of the files of the OGR driver `formato` ("gpkg" for "GPKG", "shp" for "ESRI Shapefile");
// std::invalid_argument when no driver of that name writes vector files to disk.
std::string Extension_Vectorial(const std::string& formato);

// std::invalid_argument when `crs` ("EPSG:25830", a WKT or PROJ string) names no coordinate reference system.
void Comprueba_CRS(const std::string& crs);
// The name GeoJSON readers take `crs` by ("urn:ogc:def:crs:EPSG::25830"), or "" when no authority's code is known
// for it; std::invalid_argument as Comprueba_CRS.
std::string Urn_CRS(const std::string& crs);
// `crs` as the LandXML surface records it; std::invalid_argument as Comprueba_CRS.
Sistema_LandXML Sistema_De(const std::string& crs);

// The files other than `ruta` that make up, beside it, the vector dataset there now (a shapefile's .dbf, .prj,
// ...), by name: a dataset written over it must not be read with the old one's leftovers. Nothing when GDAL opens no
// vector dataset there.
std::optional<std::vector<std::string>> Archivos_Acompanantes(const std::filesystem::path& ruta);

// The same lines as layer "contours" of a file of the OGR driver `formato` ("GPKG", "ESRI Shapefile", ...):
// LineStrings with Z and the attributes ID (the line's number in the record), ELEV, TYPE ("minor" or "major") and
// CLOSED (the line ends where it starts). `crs` ("EPSG:25830", a WKT or PROJ string; empty for none) is recorded
// in the file (CSV writes the geometry as WKT). std::invalid_argument for a driver Extension_Vectorial refuses or an
// unknown CRS, std::runtime_error when it cannot be written or the driver wrote no file.
void Escribe_Curvas_Vectorial(const std::filesystem::path& ruta, const Datos_Curvas& d,
                              const std::string& formato = "GPKG", const std::string& crs = {});

}  // namespace Vyr_Trilat::anfitrion
