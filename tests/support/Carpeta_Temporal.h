// A fresh folder of its own for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace Vyr_Trilat::prueba {

class Carpeta_Temporal {
 public:
  Carpeta_Temporal();
  ~Carpeta_Temporal();
  Carpeta_Temporal(const Carpeta_Temporal&) = delete;
  Carpeta_Temporal& operator=(const Carpeta_Temporal&) = delete;

  const std::filesystem::path& Ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }
  // Writes `texto` to the file `nombre` in the folder and returns its path.
  std::filesystem::path Escribe(const std::string& nombre, const std::string& texto) const;
  // The names in the folder, sorted.
  std::string Contenido() const;

 private:
  std::filesystem::path ruta_;
};

}  // namespace Vyr_Trilat::prueba
