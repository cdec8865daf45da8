// Points and breaklines from vector files made here with OGR (GeoPackage, Shapefile, DXF): read back as written,
// and each unusable feature refused with the file and its feature id.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <tuple>

#include "hosts/cli/Lectura_Puntos_OGR.h"
#include "hosts/cli/Lectura_Roturas_OGR.h"
#include "hosts/cli/Vectorial_GDAL.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Generadores.h"
#include "tests/support/Mensaje_Error.h"

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;
using anfitrion::Levantamiento;
using anfitrion::Opciones_Lectura;

// The layer and the attributes that carry the point number and the elevation.
Opciones_Lectura Campos(const std::string& numero, const std::string& cota, const std::string& capa = "") {
  Opciones_Lectura o;
  o.campo_numero = numero;
  o.campo_cota = cota;
  o.capa = capa;
  return o;
}

// A file of one layer of n features written through `driver`; `llena` fills each feature. The features' ids.
std::vector<GIntBig> Escribe_Capa(const fs::path& ruta, const char* driver, OGRwkbGeometryType tipo,
                                  const std::vector<std::pair<const char*, OGRFieldType>>& campos, const char* nombre,
                                  std::size_t n, const std::function<void(OGRFeature&, std::size_t)>& llena) {
  anfitrion::Inicia_GDAL();
  const anfitrion::Errores_GDAL callados;  // GDAL's own complaints about the odd values written on purpose
  anfitrion::Conjunto_GDAL d(
      GetGDALDriverManager()->GetDriverByName(driver)->Create(ruta.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  OGRLayer* capa = d->CreateLayer(nombre, nullptr, tipo, nullptr);
  for (const auto& [atributo, clase] : campos) {
    OGRFieldDefn campo(atributo, clase);
    capa->CreateField(&campo);
  }
  std::vector<GIntBig> fids;
  for (std::size_t i = 0; i < n; ++i) {
    OGRFeature f(capa->GetLayerDefn());
    llena(f, i);
    EXPECT_EQ(capa->CreateFeature(&f), OGRERR_NONE);
    fids.push_back(f.GetFID());
  }
  return fids;
}

TEST(LecturaOGR, PuntosDeGeoPackageShapefileYDXF) {
  Carpeta_Temporal dir;
  const Nube c = Genera(Forma::Agrupada, 300, 500, 1, 431000, 4581000);
  std::vector<std::int64_t> numeros(c.size()), en_orden(c.size());
  for (std::size_t i = 0; i < c.size(); ++i) numeros[i] = 5000000000 + 7 * static_cast<std::int64_t>(i * i % 997) + i;
  std::iota(en_orden.begin(), en_orden.end(), 1);
  // GeoPackage: flat points, the numbers and elevations in attributes. A drawing: other entities between its
  // points, a text label beside each (a point to OGR, but no survey point), numbered in the order of its points.
  Escribe_Capa(dir / "p.gpkg", "GPKG", wkbPoint, {{"NUM", OFTInteger64}, {"ALT", OFTReal}}, "puntos", c.size(),
               [&](auto& f, auto i) {
                 f.SetGeometry(std::make_unique<OGRPoint>(c.x[i], c.y[i]).get());
                 f.SetField("NUM", static_cast<GIntBig>(numeros[i]));
                 f.SetField("ALT", c.z[i]);
               });
  Escribe_Capa(dir / "p.dxf", "DXF", wkbUnknown, {}, "entities", 3 * c.size(), [&](OGRFeature& f, std::size_t k) {
    OGRPoint p(c.x[k / 3], c.y[k / 3], c.z[k / 3]), junto(c.x[k / 3] + 0.5, c.y[k / 3], 0);
    OGRLineString l;
    l.addPoint(&p);
    l.addPoint(0, 0, 0);
    if (k % 3 == 1) f.SetStyleString(("LABEL(f:\"Arial\",t:\"" + std::to_string(c.z[k / 3]) + "\")").c_str());
    f.SetGeometry(k % 3 == 2 ? static_cast<OGRGeometry*>(&l) : k % 3 == 1 ? &junto : &p);
  });
  // A multipoint shapefile: the points grouped one to three to a feature, each point read in its turn.
  std::vector<std::size_t> grupos = {0};
  while (grupos.back() < c.size()) grupos.push_back(std::min(c.size(), grupos.back() + 1 + grupos.size() % 3));
  Escribe_Capa(dir / "m.shp", "ESRI Shapefile", wkbMultiPoint25D, {}, "puntos", grupos.size() - 1,
               [&](auto& f, auto k) {
                 OGRMultiPoint m;
                 for (std::size_t i = grupos[k]; i < grupos[k + 1]; ++i)
                   m.addGeometry(std::make_unique<OGRPoint>(c.x[i], c.y[i], c.z[i]).get());
                 f.SetGeometry(&m);
               });
  // The coordinates as they were; DXF keeps about a millionth.
  const struct {
    Levantamiento b;
    const std::vector<std::int64_t>& numeros;
    double xy, z;
  } leidos[] = {{anfitrion::Lee_Puntos_OGR(dir / "p.gpkg", Campos("NUM", "ALT")), numeros, 0, 0},
                {anfitrion::Lee_Puntos_OGR(dir / "m.shp", {}), en_orden, 0, 0},
                {anfitrion::Lee_Puntos_OGR(dir / "p.dxf", {}), en_orden, 1e-6, 1e-6}};
  for (const auto& [b, n, xy, z] : leidos) {
    ASSERT_EQ(b.numeros, n);
    for (std::size_t i = 0; i < c.size(); ++i) {
      EXPECT_NEAR(b.x[i], c.x[i], xy);
      EXPECT_NEAR(b.y[i], c.y[i], xy);
      EXPECT_NEAR(b.z[i], c.z[i], z);
    }
  }
}

TEST(LecturaOGR, ElementosMalosNombranArchivoYElemento) {
  Carpeta_Temporal dir;
  const auto ruta = dir / "p.gpkg";
  const auto falla = [](const fs::path& r, const Opciones_Lectura& o) {
    return Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(r, o); });
  };
  // Feature k of each case carries the bad value; the others are sound.
  // The attributes that carry the number and the elevation, the bad value, and what is said of it.
  const std::tuple<const char*, const char*, std::function<void(OGRFeature&)>, std::string> casos[] = {
      {"", "", [](OGRFeature& f) { f.SetGeometry(std::make_unique<OGRPoint>(1, 2).get()); }, "the point has no Z"},
      {"NUM", "", [](OGRFeature& f) { f.SetField("NUM", 0); }, "point number '0' of attribute 'NUM' is not a"},
      {"NUM", "", [](OGRFeature& f) { f.SetFieldNull(f.GetFieldIndex("NUM")); }, "point number '' of attribute"},
      {"TXT", "", [](OGRFeature& f) { f.SetField("TXT", "12b"); }, "point number '12b' of attribute 'TXT'"},
      {"REAL", "", [](OGRFeature& f) { f.SetField("REAL", 2.5); }, "point number '2.5"},
      {"NUM", "", [](OGRFeature& f) { f.SetField("NUM", 1); }, "point number 1 is repeated"},
      {"", "TXT", [](OGRFeature& f) { f.SetField("TXT", "high"); }, "elevation 'high' of attribute 'TXT' is not a"},
      {"", "REAL", [](OGRFeature& f) { f.SetFieldNull(f.GetFieldIndex("REAL")); }, "elevation '' of attribute 'REAL'"},
      {"", "", [](OGRFeature& f) { f.SetGeometry(std::make_unique<OGRPoint>(INFINITY, 2, 3).get()); },
       "the point's coordinates are not finite numbers"},
      {"NUM", "",
       [](OGRFeature& f) {
         OGRMultiPoint m;
         for (const double x : {1.5, 2.5}) m.addGeometry(std::make_unique<OGRPoint>(x, 0, 1).get());
         f.SetGeometry(&m);
       },
       "its 2 points share one point number"},
  };
  const std::vector<std::pair<const char*, OGRFieldType>> campos = {
      {"NUM", OFTInteger}, {"TXT", OFTString}, {"REAL", OFTReal}};
  std::mt19937_64 g(3);
  for (const auto& [numero, cota, mal, error] : casos) {
    const std::size_t malo = 1 + g() % 8;
    std::filesystem::remove(ruta);
    const auto fids = Escribe_Capa(ruta, "GPKG", wkbPoint25D, campos, "puntos", 10, [&](OGRFeature& f, std::size_t i) {
      OGRPoint p(static_cast<double>(i), 0, 1);
      f.SetGeometry(&p);
      f.SetField("NUM", static_cast<int>(i + 1));
      f.SetField("TXT", std::to_string(i + 1).c_str());
      f.SetField("REAL", static_cast<double>(i + 1));
      if (i == malo) mal(f);
    });
    const std::string donde = ruta.string() + ":feature " + std::to_string(fids[malo]) + ": ";
    EXPECT_EQ(falla(ruta, Campos(numero, cota)).substr(0, donde.size() + error.size()), donde + error);
  }

  EXPECT_EQ(falla(ruta, Campos("", "", "otra")), ruta.string() + ": no layer named 'otra' (the file has: puntos)");
  EXPECT_EQ(falla(ruta, Campos("", "COTA")), ruta.string() + ": layer 'puntos' has no attribute 'COTA'");
  const auto lineas = dir / "l.gpkg";
  Escribe_Capa(lineas, "GPKG", wkbLineString, {}, "nada", 2, [](OGRFeature&, std::size_t) {});
  EXPECT_EQ(falla(lineas, {}), lineas.string() + ": layer 'nada' holds no points");
  EXPECT_EQ(falla(dir / "no.gpkg", {}), (dir / "no.gpkg").string() + ": no such file");
  EXPECT_NE(falla(dir.Escribe("b.gpkg", "no"), {}).find("b.gpkg: not a vector file GDAL can read"), std::string::npos);
}

// Vertices moved by less than the tolerance in any direction still find their points; the nearest wins.
TEST(LecturaOGR, RoturasCasanVerticesConPuntos) {
  Carpeta_Temporal dir;
  const Nube c = Genera(Forma::Uniforme, 2000, 300, 11, 431000, 4581000);
  Levantamiento lev;
  for (std::size_t i = 0; i < c.size(); ++i) lev.Agrega(static_cast<std::int64_t>(100 + 3 * i), c.x[i], c.y[i], c.z[i]);
  // Two points 0.0015 apart: a vertex between them belongs to the nearer.
  lev.Agrega(1, 431500, 4581500, 0);
  lev.Agrega(2, 431500.0015, 4581500, 0);

  std::mt19937_64 g(5);
  std::uniform_real_distribution<double> u(0, 1);
  const auto movido = [&](std::size_t i, double r) {
    const double a = u(g) * 2 * M_PI;
    return std::make_pair(lev.x[i] + r * std::cos(a), lev.y[i] + r * std::sin(a));
  };
  std::vector<std::vector<std::int64_t>> esperado;
  // A polygon's rings are closed lines; the parts of any collection are read as if they stood alone.
  const auto linea = [&](bool anillo = false) {
    OGRLinearRing l;
    std::vector<std::int64_t> numeros;
    for (std::size_t v = 0, n = 2 + g() % 6; v < n; ++v) {
      const std::size_t i = (v * 7919 + g() % 50) % c.size();  // never the same point twice running
      const auto [x, y] = movido(i, u(g) * 0.0009);
      l.addPoint(x, y, 7);
      numeros.push_back(lev.numeros[i]);
    }
    if (anillo) {
      l.closeRings();
      numeros.push_back(numeros.front());
    }
    esperado.push_back(numeros);
    return l;
  };
  std::vector<std::unique_ptr<OGRGeometry>> lineas;
  for (int k = 0; k < 40; ++k) {
    if (k % 2) {
      lineas.push_back(std::make_unique<OGRLineString>(linea()));
      continue;
    }
    // A point, a line, a nested multi-line and a multipolygon, one part with a hole.
    auto gc = std::make_unique<OGRGeometryCollection>();
    OGRMultiLineString ml;
    OGRMultiPolygon mp;
    gc->addGeometry(std::make_unique<OGRPoint>(1, 2).get());
    gc->addGeometry(std::make_unique<OGRLineString>(linea()).get());
    ml.addGeometry(std::make_unique<OGRLineString>(linea()).get());
    for (int anillos = 1; anillos <= 2; ++anillos) {
      OGRPolygon p;
      for (int r = 0; r < anillos; ++r) p.addRing(std::make_unique<OGRLinearRing>(linea(true)).get());
      mp.addGeometry(&p);
    }
    gc->addGeometry(&ml);
    gc->addGeometry(&mp);
    lineas.push_back(std::move(gc));
  }
  OGRLineString cerca;
  cerca.addPoint(431500.0006, 4581500);
  cerca.addPoint(431500.0009, 4581500.0001);
  cerca.addPoint(lev.x[0], lev.y[0]);
  lineas.push_back(std::unique_ptr<OGRGeometry>(cerca.clone()));
  esperado.push_back({1, 2, lev.numeros[0]});

  const auto ruta = dir / "r.gpkg";
  Escribe_Capa(ruta, "GPKG", wkbUnknown, {}, "roturas", lineas.size(),
               [&](OGRFeature& f, std::size_t i) { f.SetGeometry(lineas[i].get()); });
  EXPECT_EQ(anfitrion::Lee_Roturas_OGR(ruta, lev, "roturas"), esperado);

  // One vertex a little beyond the tolerance, in a plain line, in the second part of a multi-line and in a
  // polygon's hole.
  OGRLineString l;
  l.addPoint(lev.x[5], lev.y[5]);
  const auto [x, y] = movido(6, 0.0011);
  l.addPoint(x, y);
  OGRMultiLineString ml;
  OGRPolygon p;
  for (const OGRLineString* parte : {&cerca, &l}) {
    ml.addGeometry(parte);
    OGRLinearRing a;
    a.addSubLineString(parte);
    a.closeRings();
    p.addRing(&a);
  }
  for (const auto& [malo, parte] :
       {std::pair<const OGRGeometry*, std::string>{&l, ""}, {&ml, "part 2, "}, {&p, "ring 2, "}}) {
    std::filesystem::remove(ruta);
    const auto fids = Escribe_Capa(ruta, "GPKG", wkbUnknown, {}, "puntos", 3, [&](OGRFeature& f, std::size_t i) {
      if (i != 1) f.SetGeometry(i == 0 ? &cerca : malo);
    });
    const std::string donde = ruta.string() + ":feature " + std::to_string(fids[2]) + ", " + parte + "vertex 2: (";
    const std::string error = Mensaje_Error([&] { anfitrion::Lee_Roturas_OGR(ruta, lev); });
    EXPECT_EQ(error.substr(0, donde.size()), donde);
    EXPECT_NE(error.find(") is not a survey point: none within 0.001"), std::string::npos) << error;
  }
  std::filesystem::remove(ruta);
  Escribe_Capa(ruta, "GPKG", wkbPoint, {}, "puntos", 1,
               [&](OGRFeature& f, std::size_t) { f.SetGeometry(std::make_unique<OGRPoint>(1, 2).get()); });
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Roturas_OGR(ruta, lev); }),
            ruta.string() + ": layer 'puntos' holds no lines");
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
