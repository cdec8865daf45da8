// How to read a survey file: the column order of delimited text in the usual survey letters, and for vector
// files the layer and the attributes that carry the point number and the elevation.
#pragma once

#include <string>
#include <string_view>

namespace Vyr_Trilat::anfitrion {

// Column positions (0-based) of a delimited text row; -1 for a column the rows do not have.
struct Orden_Columnas {
  int numero = 0;
  int este = 1;
  int norte = 2;
  int cota = 3;
  int descripcion = 4;
};

// Letters as surveyors write them: P number, E (or X) easting, N (or Y) northing, Z elevation, D description,
// each at most once, E, N and Z required ("PENZD", "PNEZ", "ENZ", "XYZ", ...). Without P the points are numbered
// 1 to n in file order. std::invalid_argument saying why for anything else.
Orden_Columnas Lee_Columnas(std::string_view letras);

struct Opciones_Lectura {
  Orden_Columnas columnas;   // delimited text without a header that names easting and northing
  std::string capa;          // vector files: the layer; empty for the first
  std::string campo_cota;    // vector files: the attribute with the elevation; empty for the geometry's Z
  std::string campo_numero;  // vector files: the attribute with the point number; empty for feature order
};

}  // namespace Vyr_Trilat::anfitrion
