#include "hosts/support/Archivo_Atomico.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace Vyr_Trilat::anfitrion {

namespace {

// The temporary name is unique per process so that two writers of one target never share a temporary.
std::filesystem::path Temporal(const std::filesystem::path& destino) {
  return destino.parent_path() / (destino.filename().string() + ".tmp." + std::to_string(::getpid()));
}

void Sincroniza(const std::filesystem::path& ruta) {
  const int fd = ::open(ruta.c_str(), O_RDONLY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void Escribe_Atomico(const std::filesystem::path& destino, const std::function<void(std::ostream&)>& escribe) {
  const auto tmp = Temporal(destino);
  try {
    {
      std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
      if (!f) throw std::runtime_error("cannot create " + tmp.string());
      escribe(f);
      f.flush();
      if (!f) throw std::runtime_error("cannot write " + destino.string());
    }
    Sincroniza(tmp);
    std::filesystem::rename(tmp, destino);
  } catch (const std::filesystem::filesystem_error& e) {
    std::error_code ignorado;
    std::filesystem::remove(tmp, ignorado);
    throw std::runtime_error("cannot write " + destino.string() + ": " + e.code().message());
  } catch (...) {
    std::error_code ignorado;
    std::filesystem::remove(tmp, ignorado);
    throw;
  }
}

}  // namespace Vyr_Trilat::anfitrion
