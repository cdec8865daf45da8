// Points and breaklines from vector files made here with OGR (GeoPackage, Shapefile, DXF): read back as written,
// and each unusable feature refused with the file and its feature id.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

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

struct Campo {
  const char* nombre;
  OGRFieldType tipo;
  int ancho = 0, precision = 0;
};

// The attributes that carry the point number and the elevation.
Opciones_Lectura Campos(const std::string& numero, const std::string& cota) {
  Opciones_Lectura o;
  o.campo_numero = numero;
  o.campo_cota = cota;
  return o;
}

// A file of one layer of n features written through `driver`; `llena` fills each feature. The features' ids.
std::vector<GIntBig> Escribe_Capa(const fs::path& ruta, const char* driver, OGRwkbGeometryType tipo,
                                  const std::vector<Campo>& campos, const char* nombre, std::size_t n,
                                  const std::function<void(OGRFeature&, std::size_t)>& llena) {
  anfitrion::Inicia_GDAL();
  const anfitrion::Errores_GDAL callados;  // GDAL's own complaints about the odd values written on purpose
  anfitrion::Conjunto_GDAL d(
      GetGDALDriverManager()->GetDriverByName(driver)->Create(ruta.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  OGRLayer* capa = d->CreateLayer(nombre, nullptr, tipo, nullptr);
  for (const auto& c : campos) {
    OGRFieldDefn campo(c.nombre, c.tipo);
    campo.SetWidth(c.ancho);
    campo.SetPrecision(c.precision);
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
  for (std::uint64_t s = 0; s < 6; ++s) {
    const Nube c = Genera(Forma::Agrupada, 300, 500, s, 431000, 4581000);
    std::vector<std::int64_t> numeros(c.size());
    for (std::size_t i = 0; i < c.size(); ++i) numeros[i] = 5000000000 + 7 * static_cast<std::int64_t>(i * i % 997) + i;
    // GeoPackage: Z in the geometry, numbers in an attribute.
    const auto gpkg = dir / "p.gpkg";
    Escribe_Capa(gpkg, "GPKG", wkbPoint25D, {{"NUM", OFTInteger64}}, "puntos", c.size(), [&](OGRFeature& f, auto i) {
      OGRPoint p(c.x[i], c.y[i], c.z[i]);
      f.SetGeometry(&p);
      f.SetField("NUM", static_cast<GIntBig>(numeros[i]));
    });
    const Levantamiento a = anfitrion::Lee_Puntos_OGR(gpkg, Campos("NUM", ""));
    EXPECT_EQ(a.numeros, numeros);
    EXPECT_EQ(a.x, c.x);
    EXPECT_EQ(a.y, c.y);
    EXPECT_EQ(a.z, c.z);

    // Shapefile: flat points, the elevation in a real attribute. A drawing: other entities between its points, a
    // text label beside each (a point to OGR, but no survey point). Both numbered in the order of their points.
    const auto shp = dir / "p.shp", dxf = dir / "p.dxf";
    Escribe_Capa(shp, "ESRI Shapefile", wkbPoint, {{"ALT", OFTReal, 24, 15}}, "puntos", c.size(), [&](auto& f, auto i) {
      OGRPoint p(c.x[i], c.y[i]);
      f.SetGeometry(&p);
      f.SetField("ALT", c.z[i]);
    });
    Escribe_Capa(dxf, "DXF", wkbUnknown, {}, "entities", 3 * c.size(), [&](OGRFeature& f, std::size_t k) {
      OGRPoint p(c.x[k / 3], c.y[k / 3], c.z[k / 3]), junto(c.x[k / 3] + 0.5, c.y[k / 3], 0);
      OGRLineString l;
      l.addPoint(&p);
      l.addPoint(0, 0, 0);
      if (k % 3 == 1) f.SetStyleString(("LABEL(f:\"Arial\",t:\"" + std::to_string(c.z[k / 3]) + "\")").c_str());
      f.SetGeometry(k % 3 == 2 ? static_cast<OGRGeometry*>(&l) : k % 3 == 1 ? &junto : &p);
    });
    // A multipoint shapefile: the points grouped one to three to a feature, each point read in its turn.
    const auto multi = dir / "m.shp";
    std::vector<std::size_t> grupos = {0};
    while (grupos.back() < c.size()) grupos.push_back(std::min(c.size(), grupos.back() + 1 + grupos.size() % 3));
    Escribe_Capa(multi, "ESRI Shapefile", wkbMultiPoint25D, {}, "puntos", grupos.size() - 1, [&](auto& f, auto k) {
      OGRMultiPoint m;
      for (std::size_t i = grupos[k]; i < grupos[k + 1]; ++i)
        m.addGeometry(std::make_unique<OGRPoint>(c.x[i], c.y[i], c.z[i]).get());
      f.SetGeometry(&m);
    });
    // The shapefiles' coordinates as they were, the elevations of one as their text kept them; DXF keeps about a
    // millionth.
    const struct {
      Levantamiento b;
      double xy, z;
    } leidos[] = {{anfitrion::Lee_Puntos_OGR(shp, Campos("", "ALT")), 0, 1e-9},
                  {anfitrion::Lee_Puntos_OGR(multi, {}), 0, 0},
                  {anfitrion::Lee_Puntos_OGR(dxf, {}), 1e-6, 1e-6}};
    for (const auto& [b, xy, z] : leidos) {
      ASSERT_EQ(b.size(), c.size());
      for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(b.numeros[i], static_cast<std::int64_t>(i + 1));
        EXPECT_NEAR(b.x[i], c.x[i], xy);
        EXPECT_NEAR(b.y[i], c.y[i], xy);
        EXPECT_NEAR(b.z[i], c.z[i], z);
      }
    }
  }
}

TEST(LecturaOGR, ElementosMalosNombranArchivoYElemento) {
  Carpeta_Temporal dir;
  const auto ruta = dir / "p.gpkg";
  // Feature k of each case carries the bad value; the others are sound.
  const struct {
    const char* campo_numero;
    const char* campo_cota;
    std::function<void(OGRFeature&)> malo;
    std::string error;
  } casos[] = {
      {"", "", [](OGRFeature& f) { f.SetGeometry(std::make_unique<OGRPoint>(1, 2).get()); }, "the point has no Z"},
      {"NUM", "", [](OGRFeature& f) { f.SetField("NUM", 0); }, "point number '0' of attribute 'NUM' is not a"},
      {"NUM", "", [](OGRFeature& f) { f.SetField("NUM", -7); }, "point number '-7' of attribute 'NUM'"},
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
  const std::vector<Campo> campos = {{"NUM", OFTInteger}, {"TXT", OFTString}, {"REAL", OFTReal}};
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
    const Opciones_Lectura o = Campos(numero, cota);
    const std::string donde = ruta.string() + ":feature " + std::to_string(fids[malo]) + ": ";
    EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(ruta, o); }).substr(0, donde.size() + error.size()),
              donde + error);
  }

  Opciones_Lectura otra;
  otra.capa = "otra";
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(ruta, otra); }),
            ruta.string() + ": no layer named 'otra' (the file has: puntos)");
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(ruta, Campos("", "COTA")); }),
            ruta.string() + ": layer 'puntos' has no attribute 'COTA'");
  const auto lineas = dir / "l.gpkg";
  Escribe_Capa(lineas, "GPKG", wkbLineString, {}, "nada", 2, [](OGRFeature&, std::size_t) {});
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(lineas, {}); }),
            lineas.string() + ": layer 'nada' holds no points");
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(dir / "no.gpkg", {}); }),
            (dir / "no.gpkg").string() + ": no such file");
  const auto basura = dir.Escribe("b.gpkg", "not a geopackage");
  EXPECT_NE(
      Mensaje_Error([&] { anfitrion::Lee_Puntos_OGR(basura, {}); }).find("b.gpkg: not a vector file GDAL can read"),
      std::string::npos);
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
  const auto linea = [&] {
    OGRLineString l;
    std::vector<std::int64_t> numeros;
    for (std::size_t v = 0, n = 2 + g() % 6; v < n; ++v) {
      const std::size_t i = (v * 7919 + g() % 50) % c.size();  // never the same point twice running
      const auto [x, y] = movido(i, u(g) * 0.0009);
      l.addPoint(x, y, 7);
      numeros.push_back(lev.numeros[i]);
    }
    esperado.push_back(numeros);
    return l;
  };
  // A polygon's rings: closed lines.
  const auto anillo = [&] {
    OGRLinearRing r;
    r.addSubLineString(&static_cast<const OGRLineString&>(linea()));
    r.closeRings();
    esperado.back().push_back(esperado.back().front());
    return r;
  };
  std::vector<OGRGeometry*> lineas;
  for (int k = 0; k < 40; ++k) {
    auto* ml = k % 4 ? nullptr : new OGRMultiLineString;  // every fourth a multi-line of two parts
    for (int parte = 0; ml && parte < 2; ++parte) ml->addGeometry(std::make_unique<OGRLineString>(linea()).get());
    auto* mp = k % 4 != 1 ? nullptr : new OGRMultiPolygon;  // and the next a multipolygon, one part with a hole
    for (int parte = 0; mp && parte < 2; ++parte) {
      OGRPolygon p;
      for (int r = 0; r < 1 + parte; ++r) p.addRing(std::make_unique<OGRLinearRing>(anillo()).get());
      mp->addGeometry(&p);
    }
    // and the next a mixed collection: a point, a line and, nested, a multi-line.
    auto* gc = k % 4 != 2 ? nullptr : new OGRGeometryCollection;
    if (gc) {
      gc->addGeometry(std::make_unique<OGRPoint>(1, 2).get());
      gc->addGeometry(std::make_unique<OGRLineString>(linea()).get());
      OGRMultiLineString dentro;
      dentro.addGeometry(std::make_unique<OGRLineString>(linea()).get());
      gc->addGeometry(&dentro);
    }
    lineas.push_back(ml   ? static_cast<OGRGeometry*>(ml)
                     : mp ? static_cast<OGRGeometry*>(mp)
                     : gc ? static_cast<OGRGeometry*>(gc)
                          : linea().clone());
  }
  OGRLineString cerca;
  cerca.addPoint(431500.0006, 4581500);
  cerca.addPoint(431500.0009, 4581500.0001);
  cerca.addPoint(lev.x[0], lev.y[0]);
  lineas.push_back(cerca.clone());
  esperado.push_back({1, 2, lev.numeros[0]});

  const auto ruta = dir / "r.gpkg";
  Escribe_Capa(ruta, "GPKG", wkbUnknown, {}, "roturas", lineas.size(),
               [&](OGRFeature& f, std::size_t i) { f.SetGeometryDirectly(lineas[i]); });
  EXPECT_EQ(anfitrion::Lee_Roturas_OGR(ruta, lev, "roturas"), esperado);

  // One vertex a little beyond the tolerance, in a plain line, in the second part of a multi-line and in a
  // polygon's hole.
  for (const std::string parte : {"", "part 2, ", "ring 2, "}) {
    std::filesystem::remove(ruta);
    OGRLineString l;
    l.addPoint(lev.x[5], lev.y[5]);
    const auto [x, y] = movido(6, 0.0011);
    l.addPoint(x, y);
    OGRMultiLineString ml;
    ml.addGeometry(&cerca);
    ml.addGeometry(&l);
    OGRPolygon p;
    for (const OGRLineString* r : {&cerca, &l}) {
      OGRLinearRing a;
      a.addSubLineString(r);
      a.closeRings();
      p.addRing(&a);
    }
    const OGRGeometry* malo = parte.empty()     ? static_cast<const OGRGeometry*>(&l)
                              : parte[0] == 'p' ? static_cast<const OGRGeometry*>(&ml)
                                                : &p;
    const auto fids = Escribe_Capa(ruta, "GPKG", wkbUnknown, {}, "puntos", 3, [&](OGRFeature& f, std::size_t i) {
      if (i == 0) f.SetGeometry(&cerca);
      if (i == 2) f.SetGeometry(malo);
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
