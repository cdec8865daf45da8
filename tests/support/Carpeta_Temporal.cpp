#include "tests/support/Carpeta_Temporal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <set>

namespace Vyr_Trilat::prueba {

Carpeta_Temporal::Carpeta_Temporal() {
  const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
  ruta_ = std::filesystem::temp_directory_path() /
          ("trilat-" + std::to_string(::getpid()) + "-" + (prueba ? prueba->name() : "prueba"));
  std::filesystem::remove_all(ruta_);
  std::filesystem::create_directories(ruta_);
}

Carpeta_Temporal::~Carpeta_Temporal() {
  std::error_code ignorado;
  std::filesystem::remove_all(ruta_, ignorado);
}

std::filesystem::path Carpeta_Temporal::Escribe(const std::string& nombre, const std::string& texto) const {
  std::ofstream(ruta_ / nombre, std::ios::binary) << texto;
  return ruta_ / nombre;
}

std::string Carpeta_Temporal::Contenido() const {
  std::set<std::string> nombres;
  for (const auto& e : std::filesystem::directory_iterator(ruta_)) nombres.insert(e.path().filename().string());
  std::string r;
  for (const auto& n : nombres) r += (r.empty() ? "" : " ") + n;
  return r;
}

}  // namespace Vyr_Trilat::prueba
