#include "hosts/cli/Lectura_Roturas_OGR.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <tuple>

#include "hosts/cli/Vectorial_GDAL.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

// The survey points sorted by square cells twice the tolerance wide, so that every point within the tolerance
// of a place lies in the place's cell or one of its eight neighbours. Cells are kept as doubles: no coordinate
// can overflow them.
class Indice_Puntos {
 public:
  explicit Indice_Puntos(const Levantamiento& lev) : lev_(lev) {
    celdas_.reserve(lev.size());
    for (std::size_t i = 0; i < lev.size(); ++i) celdas_.push_back({Celda(lev.x[i]), Celda(lev.y[i]), i});
    std::sort(celdas_.begin(), celdas_.end(),
              [](const Entrada& a, const Entrada& b) { return std::tie(a.cx, a.cy, a.i) < std::tie(b.cx, b.cy, b.i); });
  }

  // The index of the nearest point within the tolerance (the first in the survey among equally near), or none.
  std::optional<std::size_t> Cercano(double x, double y) const {
    std::optional<std::size_t> mejor;
    double mejor_d = kTolerancia_Vertice * kTolerancia_Vertice;
    const double cx = Celda(x), cy = Celda(y);
    for (int a = -1; a <= 1; ++a) {
      for (int b = -1; b <= 1; ++b) {
        const Entrada celda{cx + a, cy + b, 0};
        const auto [ini, fin] = std::equal_range(celdas_.begin(), celdas_.end(), celda, Misma_Celda);
        for (auto e = ini; e != fin; ++e) {
          const double dx = x - lev_.x[e->i], dy = y - lev_.y[e->i];
          const double d = dx * dx + dy * dy;
          if (d < mejor_d || (d == mejor_d && (!mejor || e->i < *mejor))) {
            mejor = e->i;
            mejor_d = d;
          }
        }
      }
    }
    return mejor;
  }

 private:
  struct Entrada {
    double cx, cy;
    std::size_t i;
  };
  static bool Misma_Celda(const Entrada& a, const Entrada& b) { return std::tie(a.cx, a.cy) < std::tie(b.cx, b.cy); }
  static double Celda(double v) { return std::floor(v / (2 * kTolerancia_Vertice)); }

  const Levantamiento& lev_;
  std::vector<Entrada> celdas_;
};

std::string Texto(double v) {
  char texto[32];
  return std::string(texto, std::to_chars(texto, texto + sizeof texto, v).ptr);
}

}  // namespace

std::vector<std::vector<std::int64_t>> Lee_Roturas_OGR(const std::filesystem::path& ruta, const Levantamiento& lev,
                                                       const std::string& nombre_capa) {
  const Conjunto_GDAL d = Abre_Vectorial(ruta);
  Errores_GDAL errores;
  OGRLayer& capa = Capa_De(*d, ruta, nombre_capa);
  const Indice_Puntos indice(lev);
  std::vector<std::vector<std::int64_t>> lineas;

  const auto agrega = [&](const OGRFeature& f, const OGRLineString& l, const std::string& parte) {
    std::vector<std::int64_t> numeros;
    for (int k = 0; k < l.getNumPoints(); ++k) {
      const auto i = indice.Cercano(l.getX(k), l.getY(k));
      if (!i)
        throw Error_Entrada(Donde_Elemento(ruta, f, parte + "vertex " + std::to_string(k + 1)) + "(" +
                            Texto(l.getX(k)) + ", " + Texto(l.getY(k)) + ") is not a survey point: none within " +
                            Texto(kTolerancia_Vertice));
      if (numeros.empty() || numeros.back() != lev.numeros[*i]) numeros.push_back(lev.numeros[*i]);
    }
    if (numeros.size() >= 2) lineas.push_back(std::move(numeros));
  };
  // A polygon's rings (a pond's edge, a building's outline) are closed breaklines; the parts of any collection
  // (multilines, multipolygons, mixed collections, nested) are read as if they stood alone.
  const auto lee = [&](const auto& yo, const OGRFeature& f, const OGRGeometry& g, const std::string& parte) -> void {
    const auto tipo = wkbFlatten(g.getGeometryType());
    if (tipo == wkbLineString) agrega(f, *g.toLineString(), parte);
    if (tipo == wkbPolygon) {
      int anillo = 0;
      for (const OGRLinearRing* r : *g.toPolygon()) agrega(f, *r, parte + "ring " + std::to_string(++anillo) + ", ");
    }
    if (OGR_GT_IsSubClassOf(tipo, wkbGeometryCollection)) {
      int k = 0;
      for (const OGRGeometry* h : *g.toGeometryCollection())
        yo(yo, f, *h, parte + "part " + std::to_string(++k) + ", ");
    }
  };
  for (const auto& f : capa)
    if (const OGRGeometry* g = f->GetGeometryRef()) lee(lee, *f, *g, "");
  if (errores.Fallo()) throw Error_Entrada(ruta.string() + ": " + errores.Mensaje());
  if (lineas.empty()) throw Error_Entrada(ruta.string() + ": layer '" + capa.GetName() + "' holds no lines");
  return lineas;
}

}  // namespace Vyr_Trilat::anfitrion
