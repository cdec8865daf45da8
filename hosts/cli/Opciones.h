// The command line of `trilat`: a command and its options.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "hosts/cli/Opciones_Lectura.h"
#include "hosts/cli/Salida_Curvas_OGR.h"

namespace Vyr_Trilat::anfitrion {

// The files a run can write, by the name they take in the output folder.
inline const std::set<std::string> kFormatos = {"tin.csv",       "tin.xml",     "contours.geojson", "contours.dxf",
                                                "contours.gpkg", "picture.png", "picture.svg"};

// Samples per smoothed span a run may take: each span of every contour line is written with that many vertices.
inline constexpr std::int32_t kSegmentos_Max = 1000;

struct Opciones {
  std::string orden;  // "run", "demo", "help" or "version"
  std::filesystem::path puntos;
  std::filesystem::path salida;
  Opciones_Lectura lectura;
  std::filesystem::path roturas;  // breaklines: text of point numbers, or a vector file's line layer
  std::string capa_roturas;
  std::filesystem::path tin;  // start from this triangulation instead of computing one

  std::filesystem::path ajustes;  // settings file for this run (default: the user's)
  bool dialogo = false;           // show the dialogs on the terminal
  bool tiempos = false;           // print each stage's wall time and how the model was made
  bool silencioso = false;        // no progress bars
  bool sin_curvas = false;

  // The dialogs' values, for this run only.
  std::optional<double> dist_max;
  std::optional<bool> ver_formacion;
  std::optional<std::int32_t> color_triangulos;
  std::optional<double> equidistancia, maestra;
  std::optional<bool> suavizar;
  std::optional<bool> dibuja_curvas;
  std::optional<std::int32_t> segmentos;
  std::optional<std::int32_t> color_finas, color_maestras;

  std::set<std::string> formatos = kFormatos;
  Capas_DXF capas_dxf;
  std::string formato_vectorial = "GPKG";
  std::string crs;
};

// A command line that cannot be understood; the message says why.
class Error_Uso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Opciones Lee_Opciones(const std::vector<std::string>& args);

// A colour as "#RRGGBB" or as the decimal value with red in the low byte.
std::int32_t Lee_Color(const std::string& opcion, const std::string& texto);

std::string Texto_Ayuda();

}  // namespace Vyr_Trilat::anfitrion
