#include "hosts/cli/Carpeta_Salida.h"

#include <unistd.h>

#include <stdexcept>

namespace Vyr_Trilat::anfitrion {

namespace fs = std::filesystem;

Carpeta_Salida::Carpeta_Salida(fs::path destino) : destino_(std::move(destino)) {
  std::error_code ec;
  creada_ = fs::create_directories(destino_, ec);
  if (ec || !fs::is_directory(destino_))
    throw std::runtime_error("cannot create the output folder " + destino_.string());
  preparacion_ = destino_ / (".trilat-staging-" + std::to_string(::getpid()));
  fs::remove_all(preparacion_, ec);
  if (!fs::create_directory(preparacion_, ec) || ec)
    throw std::runtime_error("cannot write into the output folder " + destino_.string());
}

Carpeta_Salida::~Carpeta_Salida() {
  std::error_code ec;
  fs::remove_all(preparacion_, ec);
  if (!publicada_ && creada_) fs::remove(destino_, ec);  // only when empty: it held nothing before
}

void Carpeta_Salida::Publica() {
  for (const auto& e : fs::directory_iterator(preparacion_)) fs::rename(e.path(), destino_ / e.path().filename());
  publicada_ = true;
}

}  // namespace Vyr_Trilat::anfitrion
