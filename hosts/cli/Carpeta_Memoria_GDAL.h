// A folder of GDAL's in-memory file system where a driver writes its whole output before any of it reaches the
// disk: GDAL does not report a write that fails when a dataset is closed, so the finished files are copied to
// disk afterwards by a writer that checks every write.
#pragma once

#include <filesystem>
#include <string>

namespace Vyr_Trilat::anfitrion {

class Carpeta_Memoria_GDAL {
 public:
  Carpeta_Memoria_GDAL();   // a folder of its own, even for several writers at once
  ~Carpeta_Memoria_GDAL();  // frees every file in it
  Carpeta_Memoria_GDAL(const Carpeta_Memoria_GDAL&) = delete;
  Carpeta_Memoria_GDAL& operator=(const Carpeta_Memoria_GDAL&) = delete;

  // Where a driver is to create the file of this name.
  std::string Ruta(const std::string& nombre) const { return ruta_ + "/" + nombre; }
  // Every file and folder in it, written beside `destino` under the same names, all of them or none;
  // std::runtime_error naming `destino` when one cannot be written or there is none.
  void Copia_Junto_A(const std::filesystem::path& destino) const;

 private:
  std::string ruta_;
};

}  // namespace Vyr_Trilat::anfitrion
