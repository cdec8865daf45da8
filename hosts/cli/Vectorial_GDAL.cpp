#include "hosts/cli/Vectorial_GDAL.h"

#include <cpl_string.h>

#include <mutex>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

void Inicia_GDAL() {
  static std::once_flag una_vez;
  std::call_once(una_vez, [] { GDALAllRegister(); });
}

Errores_GDAL::Errores_GDAL() {
  CPLPushErrorHandlerEx(&Errores_GDAL::Recoge, this);
  CPLErrorReset();
}

Errores_GDAL::~Errores_GDAL() { CPLPopErrorHandler(); }

void CPL_STDCALL Errores_GDAL::Recoge(CPLErr clase, CPLErrorNum, const char* texto) {
  auto* yo = static_cast<Errores_GDAL*>(CPLGetErrorHandlerUserData());
  if ((clase == CE_Failure || clase == CE_Fatal) && yo->fallo_.empty()) yo->fallo_ = texto && *texto ? texto : "?";
}

std::string Errores_GDAL::Mensaje() const { return Fallo() ? fallo_ : "unknown GDAL error"; }

Conjunto_GDAL Abre_Vectorial(const std::filesystem::path& ruta) {
  Inicia_GDAL();
  Errores_GDAL errores;
  Conjunto_GDAL d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
  if (!d) {
    std::error_code ec;
    throw Error_Entrada(ruta.string() + ": " +
                        (std::filesystem::exists(ruta, ec) ? "not a vector file GDAL can read" : "no such file") +
                        (errores.Fallo() ? " (" + errores.Mensaje() + ")" : ""));
  }
  return d;
}

OGRLayer& Capa_De(GDALDataset& d, const std::filesystem::path& ruta, const std::string& nombre) {
  if (nombre.empty()) {
    if (d.GetLayerCount() == 0) throw Error_Entrada(ruta.string() + ": the file holds no layers");
    return *d.GetLayer(0);
  }
  if (OGRLayer* capa = d.GetLayerByName(nombre.c_str())) return *capa;
  std::string hay;
  for (OGRLayer* capa : d.GetLayers()) hay += (hay.empty() ? "" : ", ") + std::string(capa->GetName());
  throw Error_Entrada(ruta.string() + ": no layer named '" + nombre + "' (the file has: " + hay + ")");
}

std::vector<std::string> Extensiones_De(GDALDriver& d) {
  const char* todas = d.GetMetadataItem(GDAL_DMD_EXTENSIONS);
  const CPLStringList lista(CSLTokenizeString(todas == nullptr ? "" : todas));
  return std::vector<std::string>(lista.List(), lista.List() + lista.size());
}

std::string Donde_Elemento(const std::filesystem::path& ruta, const OGRFeature& f, const std::string& detalle) {
  return ruta.string() + ":feature " + std::to_string(f.GetFID()) + (detalle.empty() ? "" : ", " + detalle) + ": ";
}

}  // namespace Vyr_Trilat::anfitrion
