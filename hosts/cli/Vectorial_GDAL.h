// What the host's vector readers and writers share of GDAL/OGR: the drivers registered once, GDAL's error
// reports turned into our messages instead of its own printing, datasets that close when they go out of scope,
// and the layer a reader takes.
#pragma once

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Vyr_Trilat::anfitrion {

void Inicia_GDAL();

// While alive, GDAL's reports on this thread are collected here instead of printed.
class Errores_GDAL {
 public:
  Errores_GDAL();
  ~Errores_GDAL();
  Errores_GDAL(const Errores_GDAL&) = delete;
  Errores_GDAL& operator=(const Errores_GDAL&) = delete;

  bool Fallo() const { return !fallo_.empty(); }
  // The first failure reported, or "unknown GDAL error" when GDAL failed without saying why.
  std::string Mensaje() const;

 private:
  static void CPL_STDCALL Recoge(CPLErr clase, CPLErrorNum numero, const char* texto);
  std::string fallo_;
};

struct Cierra_GDAL {
  void operator()(GDALDataset* d) const { GDALClose(GDALDataset::ToHandle(d)); }
};
using Conjunto_GDAL = std::unique_ptr<GDALDataset, Cierra_GDAL>;

// Error_Entrada "FILE: ..." when GDAL cannot open the file as vector data.
Conjunto_GDAL Abre_Vectorial(const std::filesystem::path& ruta);

// The named layer, or the first when `nombre` is empty; Error_Entrada naming the file (and the layers it has)
// when there is none such.
OGRLayer& Capa_De(GDALDataset& d, const std::filesystem::path& ruta, const std::string& nombre);

// The extensions a driver names for its files (GDAL_DMD_EXTENSIONS), without their dots; none when it names none.
std::vector<std::string> Extensiones_De(GDALDriver& d);

// "FILE:feature N: " for messages about one feature, "FILE:feature N, DETAIL: " about a part of it.
std::string Donde_Elemento(const std::filesystem::path& ruta, const OGRFeature& f, const std::string& detalle = {});

}  // namespace Vyr_Trilat::anfitrion
