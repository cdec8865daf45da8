#include "hosts/cli/Salida_Curvas_OGR.h"

#include <cpl_conv.h>
#include <cpl_string.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "hosts/cli/Carpeta_Memoria_GDAL.h"
#include "hosts/cli/Vectorial_GDAL.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

// Calls hace(number, line) for lines 1 to nCurvas that the array holds and that have a segment.
template <typename F>
void Para_Cada_Linea(const Datos_Curvas& d, F&& hace) {
  if (d.Curvas.Size() == 0) return;
  const Long ultima = std::min(d.nCurvas, d.Curvas.UBound());
  for (Long i = std::max<Long>(1, d.Curvas.LBound()); i <= ultima; ++i)
    if (d.Curvas(i).Vertices.Size() >= 2) hace(i, d.Curvas(i));
}

OGRLineString Linea(const Curva& c) {
  OGRLineString l;
  l.setNumPoints(c.Vertices.Size());
  for (Long k = 0; k < c.Vertices.Size(); ++k) {
    const Pto3D& v = c.Vertices(c.Vertices.LBound() + k);
    l.setPoint(k, v.X, v.Y, v.Z);
  }
  return l;
}

// A ring ends exactly where it starts: the command hands its lines over with their rings closed.
bool Cerrada(const OGRLineString& l) {
  const int n = l.getNumPoints() - 1;
  return n > 1 && l.getX(n) == l.getX(0) && l.getY(n) == l.getY(0);
}

// "#RRGGBB" of a colour with red in the low byte.
std::string Color_Html(Long color) {
  const auto c = static_cast<std::uint32_t>(color);
  char texto[8];
  std::snprintf(texto, sizeof texto, "#%02X%02X%02X", c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu);
  return texto;
}

// The driver's own extension for its files, the first of those it names when it has no main one ("" for none).
std::string Extension_De(GDALDriver& d) {
  if (const char* e = d.GetMetadataItem(GDAL_DMD_EXTENSION); e != nullptr && *e != '\0') return e;
  const std::vector<std::string> todas = Extensiones_De(d);
  return todas.empty() ? "" : todas.front();
}

// A driver without an extension keeps its data elsewhere than in a file (in memory, in a database).
GDALDriver& Driver(const std::string& nombre) {
  Inicia_GDAL();
  GDALDriver* d = GetGDALDriverManager()->GetDriverByName(nombre.c_str());
  if (d == nullptr || d->GetMetadataItem(GDAL_DCAP_VECTOR) == nullptr ||
      d->GetMetadataItem(GDAL_DCAP_CREATE) == nullptr || Extension_De(*d).empty())
    throw std::invalid_argument("no GDAL/OGR driver named '" + nombre + "' that writes vector files to disk");
  return *d;
}

// The file made by the driver and filled by `llena`, whole or not at all: made in memory, where closing it cannot
// fail unseen, and only then written to disk.
void Escribe_Con(GDALDriver& driver, const fs::path& ruta, const std::function<void(GDALDataset&)>& llena) {
  const auto falla = [&](const std::string& por_que) {
    return std::runtime_error("cannot write " + ruta.string() + ": " + por_que);
  };
  const Carpeta_Memoria_GDAL memoria;
  {
    Errores_GDAL errores;
    Conjunto_GDAL d(driver.Create(memoria.Ruta(ruta.filename()).c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!d) throw falla(errores.Mensaje());
    try {
      llena(*d);
    } catch (const std::runtime_error& e) {
      throw falla(e.what());
    }
    d.reset();  // closing writes what the driver still holds
    if (errores.Fallo()) throw falla(errores.Mensaje());
  }
  memoria.Copia_Junto_A(ruta);
}

// The drawings GDAL writes declare Windows-1252 ($DWGCODEPAGE ANSI_1252), in which CAD reads their names, and
// GDAL's own reader takes them as Latin-1: the two agree on ASCII and U+00A0 to U+00FF. A UTF-8 name of those
// characters in that code page, or nothing when it holds another.
std::optional<std::string> En_Pagina_DXF(const std::string& utf8) {
  if (!CPLIsUTF8(utf8.c_str(), -1)) return std::nullopt;
  Errores_GDAL callados;
  const std::unique_ptr<char, decltype(&VSIFree)> pagina(CPLRecode(utf8.c_str(), CPL_ENC_UTF8, CPL_ENC_ISO8859_1),
                                                         &VSIFree);
  const std::unique_ptr<char, decltype(&VSIFree)> vuelta(CPLRecode(pagina.get(), CPL_ENC_ISO8859_1, CPL_ENC_UTF8),
                                                         &VSIFree);
  const std::string texto(pagina.get());
  const bool de_control = std::any_of(texto.begin(), texto.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 && b < 0xA0;
  });
  if (de_control || utf8 != vuelta.get()) return std::nullopt;
  return texto;
}

OGRLayer& Crea_Capa(GDALDataset& d, const char* nombre, OGRSpatialReference* srs, char** opciones = nullptr) {
  OGRLayer* capa = d.CreateLayer(nombre, srs, wkbLineString25D, opciones);
  if (capa == nullptr) throw std::runtime_error(std::string("cannot create layer ") + nombre);
  return *capa;
}

void Crea_Elemento(OGRLayer& capa, OGRFeature& f) {
  if (capa.CreateFeature(&f) != OGRERR_NONE)
    throw std::runtime_error(std::string("cannot write a line: ") + CPLGetLastErrorMsg());
}

void Lee_CRS(OGRSpatialReference& srs, const std::string& crs) {
  Inicia_GDAL();
  Errores_GDAL errores;
  if (srs.SetFromUserInput(crs.c_str(), OGRSpatialReference::SET_FROM_USER_INPUT_LIMITATIONS_get()) != OGRERR_NONE)
    throw std::invalid_argument("unknown coordinate reference system '" + crs + "'");
}

}  // namespace

std::string Extension_Vectorial(const std::string& formato) { return Extension_De(Driver(formato)); }

std::optional<std::vector<std::string>> Archivos_Acompanantes(const fs::path& ruta) {
  std::error_code ec;
  if (!fs::exists(ruta, ec)) return std::nullopt;
  Inicia_GDAL();
  Errores_GDAL callados;
  const Conjunto_GDAL d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
  if (!d) return std::nullopt;
  const CPLStringList archivos(d->GetFileList());
  std::vector<std::string> nombres;
  for (int i = 0; i < archivos.size(); ++i) {
    const fs::path archivo(archivos[i]);
    const fs::path junto = ruta.parent_path() / archivo.filename();
    if (archivo.filename() != ruta.filename() && fs::equivalent(archivo, junto, ec))
      nombres.push_back(archivo.filename().string());
  }
  return nombres;
}

void Comprueba_CRS(const std::string& crs) {
  OGRSpatialReference srs;
  Lee_CRS(srs, crs);
}

// The system `crs` names, with its authority's code found where it was not given.
OGRSpatialReference Identificado(const std::string& crs) {
  OGRSpatialReference srs;
  Lee_CRS(srs, crs);
  if (srs.GetAuthorityCode(nullptr) == nullptr) srs.AutoIdentifyEPSG();
  return srs;
}

std::string Urn_CRS(const std::string& crs) {
  const OGRSpatialReference srs = Identificado(crs);
  const char* autoridad = srs.GetAuthorityName(nullptr);
  const char* codigo = srs.GetAuthorityCode(nullptr);
  return autoridad && codigo ? std::string("urn:ogc:def:crs:") + autoridad + "::" + codigo : "";
}

Sistema_LandXML Sistema_De(const std::string& crs) {
  const OGRSpatialReference srs = Identificado(crs);
  Sistema_LandXML s;
  if (const char* nombre = srs.GetName()) s.nombre = nombre;
  const char* autoridad = srs.GetAuthorityName(nullptr);
  const char* codigo = srs.GetAuthorityCode(nullptr);
  if (autoridad && codigo && std::string(autoridad) == "EPSG") s.epsg = codigo;
  char* wkt = nullptr;
  if (srs.exportToWkt(&wkt) == OGRERR_NONE && wkt) s.wkt = wkt;
  CPLFree(wkt);
  return s;
}

void Comprueba_Capas_DXF(const Capas_DXF& capas) {
  // CAD refuses a drawing whose layer names are empty or hold any of these, and reads them in its code page.
  for (const std::string& nombre : {capas.finas, capas.maestras})
    if (nombre.empty() || nombre.find_first_of("<>/\\\":;?*|=`") != std::string::npos || !En_Pagina_DXF(nombre))
      throw std::invalid_argument("'" + nombre + "' cannot name a DXF layer");
}

void Escribe_Curvas_DXF(const std::filesystem::path& ruta, const Datos_Curvas& d, const Capas_DXF& capas) {
  Comprueba_Capas_DXF(capas);
  const std::string finas = *En_Pagina_DXF(capas.finas), maestras = *En_Pagina_DXF(capas.maestras);
  // A ring goes to GDAL as a polygon, which the driver writes as a closed polyline instead of a filled hatch.
  const CPLConfigOptionSetter sin_relleno("DXF_WRITE_HATCH", "NO", false);
  Escribe_Con(Driver("DXF"), ruta, [&](GDALDataset& dxf) {
    OGRLayer& capa = Crea_Capa(dxf, "entities", nullptr);
    Para_Cada_Linea(d, [&](Long, const Curva& c) {
      OGRFeature f(capa.GetLayerDefn());
      f.SetField("Layer", (c.Maestra != False ? maestras : finas).c_str());
      f.SetStyleString(("PEN(c:" + Color_Html(c.Color) + ")").c_str());
      OGRLineString l = Linea(c);
      if (Cerrada(l)) {
        OGRPolygon anillo;
        auto borde = std::make_unique<OGRLinearRing>();
        for (int k = 0; k + 1 < l.getNumPoints(); ++k) borde->addPoint(l.getX(k), l.getY(k), l.getZ(k));
        anillo.addRingDirectly(borde.release());
        f.SetGeometry(&anillo);
      } else {
        f.SetGeometry(&l);
      }
      Crea_Elemento(capa, f);
    });
  });
}

void Escribe_Curvas_Vectorial(const std::filesystem::path& ruta, const Datos_Curvas& d, const std::string& formato,
                              const std::string& crs) {
  GDALDriver& driver = Driver(formato);
  OGRSpatialReference srs;
  srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  // A GeoPackage records some system: without one given, the undefined Cartesian one (srs_id -1), not the undefined
  // geographic one GDAL takes by default, which would call survey coordinates degrees.
  if (!crs.empty()) {
    Lee_CRS(srs, crs);
  } else if (formato == "GPKG") {
    srs.importFromWkt("LOCAL_CS[\"Undefined cartesian SRS\"]");
  }
  // CSV keeps no geometry unless asked to write it as text.
  CPLStringList opciones;
  if (formato == "CSV") opciones.SetNameValue("GEOMETRY", "AS_WKT");
  Escribe_Con(driver, ruta, [&](GDALDataset& salida) {
    OGRLayer& capa = Crea_Capa(salida, "contours", srs.IsEmpty() ? nullptr : &srs, opciones.List());
    OGRFieldDefn id("ID", OFTInteger), elev("ELEV", OFTReal), tipo("TYPE", OFTString), cerrada("CLOSED", OFTInteger);
    tipo.SetWidth(5);
    cerrada.SetSubType(OFSTBoolean);
    for (OGRFieldDefn* campo : {&id, &elev, &tipo, &cerrada})
      if (capa.CreateField(campo) != OGRERR_NONE)
        throw std::runtime_error(std::string("cannot create attribute ") + campo->GetNameRef());
    // A driver without transactions may report the refusal as an error: it is no failure of the writing.
    const bool transaccion = [&] {
      Errores_GDAL callados;
      return salida.StartTransaction() == OGRERR_NONE;
    }();
    Para_Cada_Linea(d, [&](Long numero, const Curva& c) {
      OGRFeature f(capa.GetLayerDefn());
      OGRLineString l = Linea(c);
      f.SetField("ID", static_cast<int>(numero));
      f.SetField("ELEV", l.getZ(0));
      f.SetField("TYPE", c.Maestra != False ? "major" : "minor");
      f.SetField("CLOSED", Cerrada(l) ? 1 : 0);
      f.SetGeometry(&l);
      Crea_Elemento(capa, f);
    });
    if (transaccion && salida.CommitTransaction() != OGRERR_NONE)
      throw std::runtime_error(std::string("cannot write the lines: ") + CPLGetLastErrorMsg());
  });
}

}  // namespace Vyr_Trilat::anfitrion
