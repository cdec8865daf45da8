#include "hosts/cli/Opciones.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace Vyr_Trilat::anfitrion {

namespace {

double Numero(const std::string& opcion, const std::string& texto) {
  double v = 0;
  const auto [p, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
  if (ec != std::errc() || p != texto.data() + texto.size() || !std::isfinite(v))
    throw Error_Uso(opcion + " expects a number, not '" + texto + "'");
  return v;
}

double Positivo(const std::string& opcion, const std::string& texto) {
  const double v = Numero(opcion, texto);
  if (v <= 0) throw Error_Uso(opcion + " must be greater than 0");
  return v;
}

// Runs `comprueba`, its std::invalid_argument becoming a usage error of the option.
template <typename F>
void Como_Uso(const std::string& opcion, F&& comprueba) {
  try {
    comprueba();
  } catch (const std::invalid_argument& e) {
    throw Error_Uso(opcion + ": " + e.what());
  }
}

std::vector<std::string> Lista(const std::string& texto) {
  std::vector<std::string> r;
  std::size_t ini = 0;
  for (;;) {
    const auto fin = texto.find(',', ini);
    r.push_back(texto.substr(ini, fin == std::string::npos ? std::string::npos : fin - ini));
    if (fin == std::string::npos) return r;
    ini = fin + 1;
  }
}

}  // namespace

std::int32_t Lee_Color(const std::string& opcion, const std::string& texto) {
  const bool hex = texto.size() == 7 && texto[0] == '#';
  std::uint32_t v = 0;
  const char* ini = texto.data() + (hex ? 1 : 0);
  const auto [p, ec] = std::from_chars(ini, texto.data() + texto.size(), v, hex ? 16 : 10);
  if (ec != std::errc() || p != texto.data() + texto.size() || v > 0xFFFFFF)
    throw Error_Uso(opcion + " expects a colour as #RRGGBB or a decimal value up to 16777215, not '" + texto + "'");
  // "#RRGGBB" lists red first; the library's colours keep red in the low byte.
  if (hex) v = ((v & 0xFF) << 16) | (v & 0xFF00) | (v >> 16);
  return static_cast<std::int32_t>(v);
}

Opciones Lee_Opciones(const std::vector<std::string>& args) {
  Opciones o;
  if (args.empty()) throw Error_Uso("no command given");
  o.orden = args[0];
  if (o.orden == "--help" || o.orden == "-h") o.orden = "help";
  if (o.orden == "--version") o.orden = "version";
  if (o.orden != "run" && o.orden != "demo" && o.orden != "help" && o.orden != "version")
    throw Error_Uso("unknown command '" + o.orden + "'");

  using Accion = std::function<void(const std::string&, const std::string&)>;
  const auto bandera = [](bool& b, bool valor) {
    return [&b, valor](const std::string&, const std::string&) { b = valor; };
  };
  const auto opcional = [](std::optional<bool>& b, bool valor) {
    return [&b, valor](const std::string&, const std::string&) { b = valor; };
  };
  // Options that take a value, then options that do not.
  const std::map<std::string, Accion> con_valor = {
      {"--out",
       [&](auto& a, auto& v) {
         // An empty one would leave the demo writing to its default folder unasked.
         if (v.empty()) throw Error_Uso(a + " needs a folder");
         o.salida = v;
       }},
      {"--columns", [&](auto& a, auto& v) { Como_Uso(a, [&] { o.lectura.columnas = Lee_Columnas(v); }); }},
      {"--layer", [&](auto&, auto& v) { o.lectura.capa = v; }},
      {"--z-field", [&](auto&, auto& v) { o.lectura.campo_cota = v; }},
      {"--number-field", [&](auto&, auto& v) { o.lectura.campo_numero = v; }},
      {"--breaklines", [&](auto&, auto& v) { o.roturas = v; }},
      {"--breaklines-layer", [&](auto&, auto& v) { o.capa_roturas = v; }},
      {"--tin", [&](auto&, auto& v) { o.tin = v; }},
      {"--settings",
       [&](auto& a, auto& v) {
         // An empty name would fall back to the user's own file, which the option is meant to avoid.
         if (v.empty()) throw Error_Uso(a + " needs a file name");
         o.ajustes = v;
       }},
      {"--dist-max", [&](auto& a, auto& v) { o.dist_max = Positivo(a, v); }},
      {"--tri-color", [&](auto& a, auto& v) { o.color_triangulos = Lee_Color(a, v); }},
      {"--equidistance", [&](auto& a, auto& v) { o.equidistancia = Positivo(a, v); }},
      {"--major", [&](auto& a, auto& v) { o.maestra = Positivo(a, v); }},
      {"--segments",
       [&](auto& a, auto& v) {
         const double s = Numero(a, v);
         if (s < 1 || s > kSegmentos_Max || s != std::floor(s))
           throw Error_Uso(a + " must be a whole number from 1 to " + std::to_string(kSegmentos_Max));
         o.segmentos = static_cast<std::int32_t>(s);
       }},
      {"--minor-color", [&](auto& a, auto& v) { o.color_finas = Lee_Color(a, v); }},
      {"--major-color", [&](auto& a, auto& v) { o.color_maestras = Lee_Color(a, v); }},
      {"--formats",
       [&](auto& a, auto& v) {
         o.formatos.clear();
         for (const auto& f : Lista(v)) {
           if (!kFormatos.count(f)) throw Error_Uso(a + ": unknown format '" + f + "'");
           o.formatos.insert(f);
         }
       }},
      {"--dxf-layers",
       [&](auto& a, auto& v) {
         const auto l = Lista(v);
         if (l.size() != 2) throw Error_Uso(a + " expects MINOR,MAJOR layer names");
         o.capas_dxf = {l[0], l[1]};
         Como_Uso(a, [&] { Comprueba_Capas_DXF(o.capas_dxf); });
       }},
      {"--vector-format",
       [&](auto& a, auto& v) {
         // The DXF driver takes no attributes, and contours.dxf has a writer of its own.
         Como_Uso(a, [&] {
           if (Extension_Vectorial(v) == "dxf")
             throw std::invalid_argument("DXF contours are contours.dxf (--formats); choose another driver");
         });
         o.formato_vectorial = v;
       }},
      {"--crs",
       [&](auto& a, auto& v) {
         Como_Uso(a, [&] { Comprueba_CRS(v); });
         o.crs = v;
       }},
  };
  const std::map<std::string, Accion> sin_valor = {
      {"--dialog", bandera(o.dialogo, true)},
      {"--timings", bandera(o.tiempos, true)},
      {"--quiet", bandera(o.silencioso, true)},
      {"--no-contours", bandera(o.sin_curvas, true)},
      {"--formation", opcional(o.ver_formacion, true)},
      {"--no-formation", opcional(o.ver_formacion, false)},
      {"--smooth", opcional(o.suavizar, true)},
      {"--no-smooth", opcional(o.suavizar, false)},
      {"--draw-contours", opcional(o.dibuja_curvas, true)},
      {"--no-draw-contours", opcional(o.dibuja_curvas, false)},
  };

  std::vector<std::string> posicionales;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    // Asked for after a command, help is still help.
    if (a == "--help" || a == "-h") {
      o.orden = "help";
      return o;
    }
    if (const auto it = con_valor.find(a); it != con_valor.end()) {
      if (i + 1 >= args.size()) throw Error_Uso(a + " needs a value");
      it->second(a, args[++i]);
    } else if (const auto jt = sin_valor.find(a); jt != sin_valor.end()) {
      jt->second(a, {});
    } else if (a.starts_with("--")) {
      throw Error_Uso("unknown option " + a);
    } else {
      posicionales.push_back(a);
    }
  }
  if (o.maestra && o.equidistancia && *o.maestra < *o.equidistancia)
    throw Error_Uso("--major must not be smaller than --equidistance");
  if (o.orden == "run") {
    if (posicionales.size() != 1) throw Error_Uso("run takes one points file");
    o.puntos = posicionales[0];
    if (o.salida.empty()) throw Error_Uso("run needs --out DIR");
  } else if (!posicionales.empty()) {
    throw Error_Uso("unexpected argument '" + posicionales[0] + "'");
  }
  return o;
}

std::string Texto_Ayuda() {
  return R"(trilat - terrain model, breaklines and contours from surveyed points

Usage:
  trilat run POINTS --out DIR [options]
  trilat demo [--out DIR] [options]
  trilat --help | --version

Input:
  POINTS               delimited text (comma, semicolon, tab or blanks; # comments; optional header) or any
                       vector file GDAL/OGR opens (GeoPackage, Shapefile, DXF, ...)
  --columns ORDER      column order of text without a header naming them: PENZD (default), PENZ, PNEZD, PNEZ,
                       ENZ or XYZ (P number, E easting, N northing, Z elevation, D description)
  --layer NAME         vector files: the point layer (default: the first)
  --z-field NAME       vector files: the attribute holding the elevation (default: the geometry's Z)
  --number-field NAME  vector files: the attribute holding the point number (default: feature order)
  --breaklines FILE    breaklines: a text file with one polyline of point numbers per line, or a vector file's
                       lines and polygon rings whose vertices are survey points (within 0.001)
  --breaklines-layer NAME
  --tin FILE           start from this triangulation (tin.csv layout) instead of computing one

Parameters (each for this run only; without them the remembered dialog values are used):
  --settings FILE      the settings file to use (default: ~/.config/vyr_trilat/settings.ini, or $TRILAT_SETTINGS)
  --dialog             show the triangulation and contouring dialogs on the terminal; what is accepted there is
                       remembered
  --dist-max D         longest side a triangle may have
  --formation, --no-formation
                       draw the triangles into the picture as they form, or not
  --tri-color C        their colour (#RRGGBB, or the decimal value with red in the low byte)
  --equidistance E     minor contour interval;  --major M  major contour interval
  --smooth, --no-smooth
                       smooth the contour lines with a spline, or draw them straight
  --segments N         subdivisions of each smoothed span
  --draw-contours, --no-draw-contours
                       draw the contour lines into the picture as they are traced, or not
  --minor-color C, --major-color C
  --no-contours        stop after the triangulation and the breaklines

Output (in DIR, each file written whole or not at all; nothing is written when the job fails):
  --formats LIST       comma-separated, from tin.csv, tin.xml, contours.geojson, contours.dxf, contours.gpkg,
                       picture.png, picture.svg (default: all)
  --dxf-layers MINOR,MAJOR
                       DXF layer names (default CURVAS_FINAS,CURVAS_MAESTRAS)
  --vector-format DRIVER
                       OGR driver of contours.gpkg (default GPKG; e.g. "ESRI Shapefile", FlatGeobuf); the file
                       takes the driver's extension (contours.shp, contours.fgb, ...)
  --crs CRS            coordinate reference system recorded in the vector files and tin.xml, e.g. EPSG:25830
  --timings            print each stage's wall time (TIME<TAB>stage<TAB>seconds) and how the model was made
                       (COUNT<TAB>sweep<TAB>k, COUNT<TAB>completion<TAB>m) on standard error
  --quiet              no progress bars

Examples:
  trilat run survey.csv --out model
  trilat run survey.txt --columns PNEZD --dist-max 25 --breaklines kerbs.txt --out model
  trilat run points.gpkg --layer spot_heights --breaklines lines.dxf --equidistance 0.5 --major 2.5 \
      --formats tin.csv,contours.dxf,contours.gpkg --crs EPSG:25830 --out model
  trilat run survey.csv --dialog --out model
  trilat demo

Exit status: 0 done; 1 the job failed (bad input, nothing to triangulate, a file that cannot be written);
2 the command line could not be understood; 130 interrupted (Ctrl-C; 143 SIGTERM, 129 SIGHUP).
)";
}

}  // namespace Vyr_Trilat::anfitrion
