#include "hosts/cli/Salida_GeoJSON.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "hosts/support/Archivo_Atomico.h"

namespace Vyr_Trilat::anfitrion {

namespace {

void Numero(std::ostream& f, double v) {
  if (!std::isfinite(v)) {
    f << "null";
    return;
  }
  char texto[32];
  const auto fin = std::to_chars(texto, texto + sizeof texto, v).ptr;
  f.write(texto, fin - texto);
}

// "#RRGGBB" of a colour value with red in the low byte.
void Color(std::ostream& f, Long color) {
  const auto c = static_cast<unsigned long>(static_cast<std::uint32_t>(color));
  char texto[8];
  std::snprintf(texto, sizeof texto, "#%02lX%02lX%02lX", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  f << texto;
}

void Linea(std::ostream& f, Long numero, const Curva& c) {
  const bool con_vertices = c.Vertices.Size() > 0;
  f << R"({"type":"Feature","properties":{"line":)" << numero << R"(,"level":)";
  if (con_vertices) {
    Numero(f, c.Vertices(c.Vertices.LBound()).Z);
  } else {
    f << "null";
  }
  f << R"(,"major":)" << (c.Maestra != False ? "true" : "false") << R"(,"color":")";
  Color(f, c.Color);
  f << R"(","ultimo":)" << c.Ultimo << R"(},"geometry":{"type":"LineString","coordinates":[)";
  if (con_vertices) {
    for (Long i = c.Vertices.LBound(); i <= c.Vertices.UBound(); ++i) {
      const Pto3D& p = c.Vertices(i);
      if (i > c.Vertices.LBound()) f << ',';
      f << '[';
      Numero(f, p.X);
      f << ',';
      Numero(f, p.Y);
      f << ',';
      Numero(f, p.Z);
      f << ']';
    }
  }
  f << "]}}";
}

}  // namespace

void Escribe_Curvas_GeoJSON(std::ostream& f, const Datos_Curvas& d, const std::string& crs) {
  f << R"({"type":"FeatureCollection",)";
  if (!crs.empty()) f << R"("crs":{"type":"name","properties":{"name":")" << crs << R"("}},)";
  f << R"("features":[)";
  const bool hay = d.Curvas.Size() > 0;
  const Long primera = hay ? std::max<Long>(1, d.Curvas.LBound()) : 1;
  const Long ultima = hay ? std::min(d.nCurvas, d.Curvas.UBound()) : 0;
  for (Long i = primera; i <= ultima; ++i) {
    f << (i > primera ? ",\n" : "\n");
    Linea(f, i, d.Curvas(i));
  }
  f << "\n]}\n";
}

void Escribe_Curvas_GeoJSON(const std::filesystem::path& ruta, const Datos_Curvas& d, const std::string& crs) {
  Escribe_Atomico(ruta, [&](std::ostream& f) { Escribe_Curvas_GeoJSON(f, d, crs); });
}

}  // namespace Vyr_Trilat::anfitrion
