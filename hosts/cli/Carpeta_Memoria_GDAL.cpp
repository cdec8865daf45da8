#include "hosts/cli/Carpeta_Memoria_GDAL.h"

#include <cpl_string.h>
#include <cpl_vsi.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>

#include "hosts/support/Archivo_Atomico.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

std::atomic<unsigned> siguiente{0};

// The folder's files and folders by their names in it, a folder's name ending in '/' and listed before its files.
CPLStringList Contenido(const std::string& ruta) { return CPLStringList(VSIReadDirRecursive(ruta.c_str())); }

}  // namespace

Carpeta_Memoria_GDAL::Carpeta_Memoria_GDAL()
    : ruta_("/vsimem/trilat-" + std::to_string(::getpid()) + "-" + std::to_string(siguiente++)) {
  // Made explicitly so that listing it finds what a driver left there.
  VSIMkdir(ruta_.c_str(), 0755);
}

Carpeta_Memoria_GDAL::~Carpeta_Memoria_GDAL() {
  // Files before the folders holding them; removing a folder does not free its files.
  const CPLStringList contenido = Contenido(ruta_);
  for (int i = contenido.size() - 1; i >= 0; --i) {
    std::string nombre = Ruta(contenido[i]);
    if (nombre.back() == '/') {
      nombre.pop_back();
      VSIRmdir(nombre.c_str());
    } else {
      VSIUnlink(nombre.c_str());
    }
  }
  VSIRmdir(ruta_.c_str());
}

void Carpeta_Memoria_GDAL::Copia_Junto_A(const fs::path& destino) const {
  const CPLStringList contenido = Contenido(ruta_);
  if (contenido.size() == 0)
    throw std::runtime_error("cannot write " + destino.string() + ": the driver wrote no file");
  Escribe_Atomico_Por_Nombre(destino, [&](const fs::path& tmp) {
    const fs::path carpeta = tmp.parent_path();
    for (int i = 0; i < contenido.size(); ++i) {
      const char* nombre = contenido[i];
      const std::string origen = Ruta(nombre);
      if (origen.back() == '/') {
        fs::create_directories(carpeta / nombre);
        continue;
      }
      vsi_l_offset largo = 0;  // an empty file has no buffer
      const GByte* datos = VSIGetMemFileBuffer(origen.c_str(), &largo, FALSE);
      Escribe_Atomico(carpeta / nombre, [&](std::ostream& f) {
        if (datos != nullptr) f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(largo));
      });
    }
  });
}

}  // namespace Vyr_Trilat::anfitrion
