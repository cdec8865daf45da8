#include "hosts/support/Archivo_Atomico.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "hosts/support/Descriptor.h"

namespace Vyr_Trilat::anfitrion {

namespace {

// The temporary name is unique per process so that two writers of one target never share a temporary.
std::filesystem::path Temporal(const std::filesystem::path& destino) {
  return destino.parent_path() / (destino.filename().string() + ".tmp." + std::to_string(::getpid()));
}

void Sincroniza(const std::filesystem::path& ruta) {
  const Descriptor f(::open(ruta.c_str(), O_RDONLY));
  if (f.Abierto()) ::fsync(f.fd());
}

// Runs `escribe`; when it fails, removes the temporary `tmp` (a file or a folder) and names the target.
template <typename F>
void Limpia_Si_Falla(const std::filesystem::path& destino, const std::filesystem::path& tmp, F&& escribe) {
  try {
    escribe();
  } catch (const std::filesystem::filesystem_error& e) {
    std::error_code ignorado;
    std::filesystem::remove_all(tmp, ignorado);
    throw std::runtime_error("cannot write " + destino.string() + ": " + e.code().message());
  } catch (...) {
    std::error_code ignorado;
    std::filesystem::remove_all(tmp, ignorado);
    throw;
  }
}

}  // namespace

void Escribe_Atomico(const std::filesystem::path& destino, const std::function<void(std::ostream&)>& escribe) {
  const auto tmp = Temporal(destino);
  Limpia_Si_Falla(destino, tmp, [&] {
    {
      std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
      if (!f) throw std::runtime_error("cannot create " + tmp.string());
      try {
        escribe(f);
      } catch (const std::filesystem::filesystem_error&) {
        throw;
      } catch (const std::runtime_error& e) {
        throw std::runtime_error("cannot write " + destino.string() + ": " + e.what());
      }
      f.flush();
      if (!f) throw std::runtime_error("cannot write " + destino.string());
    }
    Sincroniza(tmp);
    std::filesystem::rename(tmp, destino);
  });
}

void Escribe_Atomico_Por_Nombre(const std::filesystem::path& destino,
                                const std::function<void(const std::filesystem::path&)>& escribe) {
  const auto carpeta = Temporal(destino);
  Limpia_Si_Falla(destino, carpeta, [&] {
    std::filesystem::remove_all(carpeta);
    std::filesystem::create_directory(carpeta);
    escribe(carpeta / destino.filename());
    std::vector<std::filesystem::path> hechos;
    for (const auto& e : std::filesystem::directory_iterator(carpeta)) hechos.push_back(e.path());
    for (const auto& f : hechos) Sincroniza(f);
    for (const auto& f : hechos) std::filesystem::rename(f, destino.parent_path() / f.filename());
    std::filesystem::remove(carpeta);
  });
}

}  // namespace Vyr_Trilat::anfitrion
