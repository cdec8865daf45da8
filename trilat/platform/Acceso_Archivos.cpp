#include "trilat/platform/Acceso_Archivos.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <random>
#include <sstream>
#include <system_error>
#include <utility>

namespace Vyr_Trilat {

namespace {

namespace fs = std::filesystem;

std::mutex mutex_acceso;
std::shared_ptr<const Acceso_Archivos> acceso_instalado;

// A name beside `ruta` that no other writer picks: random, and the file is made only if it does not exist.
fs::path Nombre_Temporal(const fs::path& ruta) {
  static std::mutex m;
  static std::mt19937_64 azar{std::random_device{}()};
  const std::lock_guard bloqueo(m);
  std::ostringstream nombre;
  nombre << ruta.string() << '.' << std::hex << azar();
  return nombre.str();
}

}  // namespace

Acceso_Archivos::Lectura Acceso_Archivos::Lee(const fs::path& ruta) const {
  Lectura l;
  std::error_code ec;
  const fs::file_status estado = fs::status(ruta, ec);
  if (estado.type() == fs::file_type::not_found) return l;
  l.estado = Lectura::Estado::Ilegible;
  if (ec) {
    l.motivo = ec.message();
  } else if (estado.type() == fs::file_type::directory) {
    l.motivo = std::make_error_code(std::errc::is_a_directory).message();
  } else {
    errno = 0;
    std::ifstream f(ruta, std::ios::binary);
    std::string texto(f ? std::string(std::istreambuf_iterator<char>(f), {}) : std::string());
    if (f.is_open() && !f.bad()) {
      l.estado = Lectura::Estado::Leida;
      l.texto = std::move(texto);
      l.permisos = estado.permissions();
    } else {
      // The standard library keeps no reason; the system's last one is the likeliest.
      l.motivo = errno != 0 ? std::generic_category().message(errno) : "it cannot be opened";
    }
  }
  return l;
}

std::shared_ptr<void> Acceso_Archivos::Bloquea(const fs::path&) const { return nullptr; }

bool Acceso_Archivos::Escribible(const fs::path& ruta) const {
  // Opening to append writes nothing, and fails where this process may not write.
  return std::ofstream(ruta, std::ios::binary | std::ios::app).is_open();
}

void Acceso_Archivos::Reemplaza(const fs::path& ruta, const std::string& texto, fs::perms permisos) const {
  const fs::path temporal = Nombre_Temporal(ruta);
  std::FILE* f = std::fopen(temporal.c_str(), "wbx");
  if (f == nullptr) throw std::system_error(errno, std::generic_category());
  const bool escrito = std::fwrite(texto.data(), 1, texto.size(), f) == texto.size() && std::fflush(f) == 0;
  const int error = errno;
  const bool cerrado = std::fclose(f) == 0;
  std::error_code ec;
  if (!escrito || !cerrado) {
    fs::remove(temporal, ec);
    throw std::system_error(escrito ? errno : error, std::generic_category());
  }
  fs::permissions(temporal, permisos, ec);
  if (!ec) fs::rename(temporal, ruta, ec);
  if (ec) {
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
    throw std::system_error(ec);
  }
}

std::shared_ptr<const Acceso_Archivos> Archivos() {
  static const auto propio = std::make_shared<const Acceso_Archivos>();
  const std::lock_guard bloqueo(mutex_acceso);
  return acceso_instalado ? acceso_instalado : propio;
}

std::shared_ptr<const Acceso_Archivos> Instala_Acceso_Archivos(std::shared_ptr<const Acceso_Archivos> acceso) {
  const std::lock_guard bloqueo(mutex_acceso);
  return std::exchange(acceso_instalado, std::move(acceso));
}

}  // namespace Vyr_Trilat
