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
  trilat run POINTS --out DIR [--dist-max D]
  trilat demo [--out DIR]
  trilat --help | --version

POINTS is a text file with a header line and then one point per line as n,x,y,z
(point number, easting, northing, elevation).

Options:
  --dist-max D   longest side a triangle of the model may have, in survey units (default 100)
  --out DIR      folder for the results (created when missing); demo writes to trilat-demo by default

Outputs in DIR:
  tin.csv        the triangles: index,v1,v2,v3 with the survey's point numbers

Examples:
  trilat run survey.csv --dist-max 25 --out model
  trilat demo

Exit status: 0 done, 1 the job failed (bad input, nothing to triangulate), 2 bad command line.
)";
}

}  // namespace Vyr_Trilat::anfitrion
