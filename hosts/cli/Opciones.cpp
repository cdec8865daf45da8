#include "hosts/cli/Opciones.h"

#include <charconv>
#include <cmath>

namespace Vyr_Trilat::anfitrion {

namespace {

double Numero(const std::string& opcion, const std::string& texto) {
  double v = 0;
  const auto [p, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
  if (ec != std::errc() || p != texto.data() + texto.size() || !std::isfinite(v))
    throw Error_Uso(opcion + " expects a number, not '" + texto + "'");
  return v;
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
  std::vector<std::string> posicionales;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto valor = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw Error_Uso(a + " needs a value");
      return args[++i];
    };
    if (a == "--dist-max") {
      o.dist_max = Numero(a, valor());
      if (*o.dist_max <= 0) throw Error_Uso("--dist-max must be greater than 0");
    } else if (a == "--formation" || a == "--no-formation") {
      o.ver_formacion = a == "--formation";
    } else if (a == "--tri-color") {
      o.color_triangulos = Lee_Color(a, valor());
    } else if (a == "--settings") {
      o.ajustes = valor();
    } else if (a == "--out") {
      o.salida = valor();
    } else if (a.starts_with("--")) {
      throw Error_Uso("unknown option " + a);
    } else {
      posicionales.push_back(a);
    }
  }
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
  return R"(trilat - terrain model from surveyed points

Usage:
  trilat run POINTS --out DIR [options]
  trilat demo [--out DIR] [options]
  trilat --help | --version

POINTS is a text file with a header line and then one point per line as n,x,y,z
(point number, easting, northing, elevation).

Options:
  --out DIR          folder for the results (created when missing); demo writes to trilat-demo by default
  --settings FILE    remembered dialog settings to use (default: the user's settings file)
  The triangulation dialog's values, for this run only (remembered settings are not changed):
  --dist-max D       longest side a triangle of the model may have, in survey units
  --formation, --no-formation
                     draw the triangles into the picture as they form, or not
  --tri-color C      their colour, as #RRGGBB or the decimal value with red in the low byte

Outputs in DIR:
  tin.csv        the triangles: index,v1,v2,v3 with the survey's point numbers
  picture.png, picture.svg
                 the model as it was drawn, fitted to the survey

Examples:
  trilat run survey.csv --dist-max 25 --out model
  trilat run survey.csv --out model --settings project.ini --tri-color '#0000FF'
  trilat demo

Exit status: 0 done, 1 the job failed (bad input, nothing to triangulate), 2 bad command line.
)";
}

}  // namespace Vyr_Trilat::anfitrion
