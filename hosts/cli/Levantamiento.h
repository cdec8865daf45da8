// A survey as the command-line host holds it: the points in file order with their own numbers, which the
// library sees as positions 1 to n.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "hosts/cli/Opciones_Lectura.h"

namespace Vyr_Trilat::anfitrion {

struct Levantamiento {
  std::vector<std::int64_t> numeros;
  std::vector<double> x, y, z;
  std::unordered_map<std::int64_t, std::int32_t> posicion;  // point number -> library position (1-based)
  std::vector<std::string> descripciones;                   // one per point when the file has descriptions
  // The columns a header names that were not read, when none of it names the point numbers: the points are then
  // numbered in file order, which the user is told, as one of those may have held them.
  std::vector<std::string> columnas_sin_leer;
  // Lines before the first point that are neither numbers nor a header naming easting and northing (a title, or
  // names not known) are skipped: what the user is told of them (the first, how many, which columns were read);
  // empty when there were none.
  std::string aviso_omitidas;

  std::size_t size() const { return numeros.size(); }

  // Appends a point; false, adding nothing, when its number is already taken.
  bool Agrega(std::int64_t numero, double px, double py, double pz);
};

// An input that cannot be used, with the file and line it came from.
class Error_Entrada : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a survey: delimited text for the usual text extensions (.csv, .txt, .xyz, .pts, .dat, .prn, .asc or none),
// any other file through GDAL/OGR. Error_Entrada naming the file and the line or feature for anything unusable.
Levantamiento Lee_Puntos(const std::filesystem::path& ruta, const Opciones_Lectura& opciones = {});

// A file named as delimited text (.csv, .txt, .xyz, ... or no extension), or by an extension that no vector driver
// of GDAL/OGR names (surveys come in text formats of their own: .pnt, .brk, ...); the others go to GDAL/OGR.
bool Es_Texto_Delimitado(const std::filesystem::path& ruta);

}  // namespace Vyr_Trilat::anfitrion
