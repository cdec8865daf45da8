#include "hosts/cli/Lectura_Puntos_OGR.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/cli/Numero_Texto.h"
#include "hosts/cli/Vectorial_GDAL.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

// The attribute's index, -1 for no name; Error_Entrada when the layer has no such attribute.
int Campo(OGRLayer& capa, const fs::path& ruta, const std::string& nombre) {
  if (nombre.empty()) return -1;
  const int i = capa.GetLayerDefn()->GetFieldIndex(nombre.c_str());
  if (i < 0) throw Error_Entrada(ruta.string() + ": layer '" + capa.GetName() + "' has no attribute '" + nombre + "'");
  return i;
}

// An attribute as a number: numeric fields as they are, text fields only when the whole text is a number.
// Nothing for an empty attribute or any other value.
std::optional<double> Real(const OGRFeature& f, int i) {
  if (!f.IsFieldSetAndNotNull(i)) return std::nullopt;
  double v;
  switch (f.GetFieldDefnRef(i)->GetType()) {
    case OFTInteger:
    case OFTInteger64:
    case OFTReal:
      return f.GetFieldAsDouble(i);
    case OFTString:
      if (Lee_Numero(f.GetFieldAsString(i), v)) return v;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// The same for an integer: a real only when it is a whole number an integer can hold.
std::optional<std::int64_t> Entero(const OGRFeature& f, int i) {
  if (!f.IsFieldSetAndNotNull(i)) return std::nullopt;
  std::int64_t n;
  switch (f.GetFieldDefnRef(i)->GetType()) {
    case OFTInteger:
    case OFTInteger64:
      return f.GetFieldAsInteger64(i);
    case OFTReal: {
      const double v = f.GetFieldAsDouble(i);
      if (v >= -0x1p63 && v < 0x1p63 && std::trunc(v) == v) return static_cast<std::int64_t>(v);
      return std::nullopt;
    }
    case OFTString:
      if (Lee_Numero(f.GetFieldAsString(i), n)) return n;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// "'VALUE' of attribute 'NAME'" for messages.
std::string Atributo(const OGRFeature& f, int i) {
  return std::string("'") + f.GetFieldAsString(i) + "' of attribute '" + f.GetFieldDefnRef(i)->GetNameRef() + "'";
}

// Drawings hand their text over as points styled as labels: the elevations and numbers written beside a survey
// drawing's points are no points of the terrain.
bool Es_Etiqueta(const OGRFeature& f) {
  const char* estilo = f.GetStyleString();
  return estilo != nullptr && std::string_view(estilo).starts_with("LABEL(");
}

// One point of feature f into the survey; `falla` makes the error that names the feature.
template <typename Falla>
void Agrega_Punto(Levantamiento& lev, const OGRFeature& f, const OGRPoint& p, int campo_cota, int campo_numero,
                  const Falla& falla) {
  double z = p.getZ();
  if (campo_cota >= 0) {
    const auto v = Real(f, campo_cota);
    if (!v || !std::isfinite(*v)) throw falla("elevation " + Atributo(f, campo_cota) + " is not a finite number");
    z = *v;
  } else if (!p.Is3D()) {
    throw falla("the point has no Z (name the attribute that holds the elevation)");
  }
  if (!std::isfinite(p.getX()) || !std::isfinite(p.getY()) || !std::isfinite(z))
    throw falla("the point's coordinates are not finite numbers");

  auto numero = static_cast<std::int64_t>(lev.size() + 1);
  if (campo_numero >= 0) {
    const auto v = Entero(f, campo_numero);
    if (!v || *v <= 0) throw falla("point number " + Atributo(f, campo_numero) + " is not a positive integer");
    numero = *v;
  }
  if (!lev.Agrega(numero, p.getX(), p.getY(), z))
    throw falla("point number " + std::to_string(numero) + " is repeated");
}

}  // namespace

Levantamiento Lee_Puntos_OGR(const std::filesystem::path& ruta, const Opciones_Lectura& opciones) {
  const Conjunto_GDAL d = Abre_Vectorial(ruta);
  Errores_GDAL errores;
  OGRLayer& capa = Capa_De(*d, ruta, opciones.capa);
  const int campo_cota = Campo(capa, ruta, opciones.campo_cota);
  const int campo_numero = Campo(capa, ruta, opciones.campo_numero);

  Levantamiento lev;
  std::vector<const OGRPoint*> puntos;  // the feature's
  for (const auto& f : capa) {
    const OGRGeometry* g = f->GetGeometryRef();
    if (g == nullptr || g->IsEmpty() || Es_Etiqueta(*f)) continue;
    // Some exports (multipoint shapefiles among them) group a survey's points into multipoints: each is a point.
    puntos.clear();
    if (wkbFlatten(g->getGeometryType()) == wkbPoint) puntos.push_back(g->toPoint());
    if (wkbFlatten(g->getGeometryType()) == wkbMultiPoint)
      for (const OGRPoint* p : *g->toMultiPoint())
        if (!p->IsEmpty()) puntos.push_back(p);
    const auto falla = [&](const std::string& texto) { return Error_Entrada(Donde_Elemento(ruta, *f) + texto); };
    if (campo_numero >= 0 && puntos.size() > 1)
      throw falla("its " + std::to_string(puntos.size()) +
                  " points share one point number; give each point its own "
                  "feature, or read them without --number-field");
    for (const OGRPoint* p : puntos) Agrega_Punto(lev, *f, *p, campo_cota, campo_numero, falla);
  }
  if (errores.Fallo()) throw Error_Entrada(ruta.string() + ": " + errores.Mensaje());
  if (lev.size() == 0) throw Error_Entrada(ruta.string() + ": layer '" + capa.GetName() + "' holds no points");
  return lev;
}

}  // namespace Vyr_Trilat::anfitrion
