// The final triangulation as a LandXML 1.2 TIN surface, the form in which design and machine-control software
// take a terrain model: the points by their survey numbers and the faces by those numbers.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

// The coordinate reference system a surface is recorded in: its name, its EPSG code when it has one, its WKT.
struct Sistema_LandXML {
  std::string nombre, epsg, wkt;
};

// Surface `superficie` with the points that the faces use, in survey order, each as <P id="NUMBER"> holding
// "northing easting elevation", and one <F> per triangle with its three point numbers in the given order. Units
// are metres; `sistema`, when given, is recorded as the document's <CoordinateSystem>. Written with libxml2's
// writer, whole or not at all; std::invalid_argument for a triangle naming a number that is not in the survey,
// std::runtime_error naming the file when it cannot be written.
void Escribe_Tin_LandXML(const std::filesystem::path& ruta, const Levantamiento& lev,
                         const std::vector<std::array<std::int64_t, 3>>& triangulos,
                         const std::string& superficie = "TIN",
                         const std::optional<Sistema_LandXML>& sistema = std::nullopt);

}  // namespace Vyr_Trilat::anfitrion
