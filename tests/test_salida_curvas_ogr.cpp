// Contour lines written for CAD (DXF) and GIS (GeoPackage, Shapefile) and opened again through OGR: layers,
// levels, attributes, colours and CRS as written; a failed write leaves nothing behind.
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "hosts/cli/Carpeta_Memoria_GDAL.h"
#include "hosts/cli/Salida_Curvas_OGR.h"
#include "hosts/cli/Vectorial_GDAL.h"
#include "hosts/support/Archivo_Atomico.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"

namespace Vyr_Trilat::prueba {
namespace {

// Lines 1..n at levels that are whole metres, some closed rings, every fifth level major; one line of a single
// vertex (not a line at all) and one stored past nCurvas, which no writer may take.
Datos_Curvas Curvas(std::uint64_t semilla, Long n) {
  std::mt19937_64 g(semilla);
  std::uniform_real_distribution<double> u(0, 1);
  Datos_Curvas d;
  d.nCurvas = n;
  d.Curvas.ReDim(0, n + 1);
  for (Long i = 1; i <= n + 1; ++i) {
    Curva& c = d.Curvas(i);
    const double z = 600 + static_cast<double>(g() % 40);
    c.Maestra = A_Booleano(static_cast<long>(z) % 5 == 0);
    // The DXF writer keeps the nearest of CAD's indexed colours: these six are exactly among them.
    static constexpr Long kColores[] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
    c.Color = kColores[g() % 6];
    const Long ultimo = i == 3 ? 0 : 1 + static_cast<Long>(g() % 30);
    c.Ultimo = ultimo;
    c.Vertices.ReDim(0, ultimo);
    const double cx = 431000 + u(g) * 1000, cy = 4581000 + u(g) * 1000, r = 1 + u(g) * 50;
    const bool cerrada = ultimo > 2 && g() % 2;
    for (Long k = 0; k <= ultimo; ++k) {
      const double a = (cerrada && k == ultimo ? 0 : static_cast<double>(k)) * 0.2;
      c.Vertices(k) = {cx + r * std::cos(a), cy + r * std::sin(a), z};
    }
  }
  return d;
}

bool Anillo(const Curva& c) {
  const auto& v = c.Vertices;
  return c.Ultimo > 2 && v(0).X == v(c.Ultimo).X && v(0).Y == v(c.Ultimo).Y;
}

std::string Html(Long color) {
  char t[8];
  std::snprintf(t, sizeof t, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return t;
}

// The layer holds every line but the one of a single vertex, in order, each with its vertices (to within
// `tolerancia` across, its elevation exactly); `atributos` checks the rest of each.
void Espera_Lineas(OGRLayer& capa, const Datos_Curvas& d, double tolerancia,
                   const std::function<void(const OGRFeature&, const Curva&, Long)>& atributos) {
  Long i = 0;
  for (const auto& f : capa) {
    if (++i == 3) ++i;
    const Curva& c = d.Curvas(i);
    SCOPED_TRACE("line " + std::to_string(i));
    atributos(*f, c, i);
    const OGRGeometry* g = f->GetGeometryRef();
    ASSERT_EQ(wkbFlatten(g->getGeometryType()), wkbLineString);
    const OGRLineString& l = *g->toLineString();
    ASSERT_EQ(l.getNumPoints(), c.Ultimo + 1);
    for (int k = 0; k <= c.Ultimo; ++k) {
      EXPECT_NEAR(l.getX(k), c.Vertices(k).X, tolerancia);
      EXPECT_NEAR(l.getY(k), c.Vertices(k).Y, tolerancia);
      EXPECT_EQ(l.getZ(k), c.Vertices(k).Z);
    }
  }
  EXPECT_EQ(i, d.nCurvas);
}

TEST(SalidaCurvas, DXFEnCapasYColoresConSuCota) {
  Carpeta_Temporal dir;
  const Datos_Curvas d = Curvas(1, 40);
  const auto ruta = dir / "contours.dxf";
  // Names beyond ASCII go in the code page the drawing declares: read in it, they are the names given (below).
  anfitrion::Escribe_Curvas_DXF(ruta, d, {"FINAS Ñ", "CÚRVAS GRUESAS ½"});
  EXPECT_EQ(dir.Contenido(), "contours.dxf");

  // A ring is a closed polyline, not a filled hatch, which CAD measures as such (read back, it ends where it starts,
  // as an open line would).
  std::istringstream texto(Lee_Archivo(ruta));
  std::string codigo, valor, entidad;
  int cerradas = 0, anillos = 0;
  while (std::getline(texto, codigo) && std::getline(texto, valor)) {
    const int c = std::stoi(codigo);
    if (c == 0) entidad = valor;
    if (entidad == "LWPOLYLINE" && c == 70) cerradas += std::stoi(valor) & 1;
  }
  for (Long i = 1; i <= d.nCurvas; ++i) anillos += Anillo(d.Curvas(i));
  EXPECT_GT(anillos, 5);
  EXPECT_EQ(cerradas, anillos);

  const anfitrion::Conjunto_GDAL dxf = anfitrion::Abre_Vectorial(ruta);
  // DXF keeps the coordinates to about a millionth.
  Espera_Lineas(*dxf->GetLayer(0), d, 1e-6, [](const OGRFeature& f, const Curva& c, Long) {
    EXPECT_STREQ(f.GetFieldAsString("Layer"), c.Maestra != False ? "CÚRVAS GRUESAS ½" : "FINAS Ñ");
    const std::string estilo = f.GetStyleString();
    EXPECT_NE(estilo.find(Html(c.Color)), std::string::npos) << estilo;
  });
}

TEST(SalidaCurvas, GeoPackageYShapefileConAtributosYCRS) {
  Carpeta_Temporal dir;
  const Datos_Curvas d = Curvas(2, 30);
  for (const auto& [formato, nombre] :
       {std::pair<std::string, std::string>{"GPKG", "contours.gpkg"}, {"ESRI Shapefile", "contours.shp"}}) {
    SCOPED_TRACE(formato);
    const auto ruta = dir / nombre;
    anfitrion::Escribe_Curvas_Vectorial(ruta, d, formato, "EPSG:25830");
    const anfitrion::Conjunto_GDAL salida = anfitrion::Abre_Vectorial(ruta);
    OGRLayer* capa = salida->GetLayer(0);
    EXPECT_STREQ(capa->GetName(), "contours");
    ASSERT_NE(capa->GetSpatialRef(), nullptr);
    EXPECT_STREQ(capa->GetSpatialRef()->GetAuthorityCode(nullptr), "25830");
    Espera_Lineas(*capa, d, 0, [](const OGRFeature& f, const Curva& c, Long i) {
      EXPECT_EQ(f.GetFieldAsInteger("ID"), i);
      EXPECT_EQ(f.GetFieldAsDouble("ELEV"), c.Vertices(0).Z);
      EXPECT_STREQ(f.GetFieldAsString("TYPE"), c.Maestra != False ? "major" : "minor");
      EXPECT_EQ(f.GetFieldAsInteger("CLOSED"), Anillo(c));
    });
  }
  EXPECT_EQ(dir.Contenido(), "contours.dbf contours.gpkg contours.prj contours.shp contours.shx");

  // Without a CRS none is recorded: GeoPackage says "undefined Cartesian", not geographic.
  anfitrion::Escribe_Curvas_Vectorial(dir / "sin.gpkg", d);
  const anfitrion::Conjunto_GDAL sin = anfitrion::Abre_Vectorial(dir / "sin.gpkg");
  const auto columnas = sin->ExecuteSQL("SELECT srs_id FROM gpkg_geometry_columns", nullptr, nullptr);
  ASSERT_NE(columnas, nullptr);
  for (const auto& f : *columnas) EXPECT_EQ(f->GetFieldAsInteger(0), -1);
  sin->ReleaseResultSet(columnas);
}

// A write that fails is an error, and leaves nothing: no file of its own beside the target, and nothing the driver
// made in memory on the way, whether the write failed or not.
TEST(SalidaCurvas, FalloNoDejaNada) {
  Carpeta_Temporal dir;
  const Datos_Curvas d = Curvas(3, 5);
  const auto viejo = dir.Escribe("contours.gpkg", "old");
  EXPECT_THROW(anfitrion::Escribe_Curvas_Vectorial(viejo / "x.gpkg", d), std::runtime_error);
  EXPECT_THROW(anfitrion::Escribe_Curvas_DXF(viejo / "x.dxf", d), std::runtime_error);
  // A driver that made no file is a failure, not an empty result.
  EXPECT_EQ(Mensaje_Error([&] { anfitrion::Carpeta_Memoria_GDAL().Copia_Junto_A(viejo); }),
            "cannot write " + viejo.string() + ": the driver wrote no file");
  // A writer that fails after making its files leaves none of them.
  const auto a_medias = [](const std::filesystem::path& tmp) {
    std::ofstream(tmp) << "x";
    std::ofstream(tmp.parent_path() / "a.dbf") << "y";
    throw std::runtime_error("disk full");
  };
  EXPECT_THROW(anfitrion::Escribe_Atomico_Por_Nombre(dir / "a.shp", a_medias), std::runtime_error);
  EXPECT_EQ(dir.Contenido(), "contours.gpkg");
  anfitrion::Escribe_Curvas_Vectorial(viejo, d);
  EXPECT_EQ(anfitrion::Abre_Vectorial(viejo)->GetLayer(0)->GetFeatureCount(), d.nCurvas - 1);
  EXPECT_EQ(CPLStringList(VSIReadDirRecursive("/vsimem/")).size(), 0);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
