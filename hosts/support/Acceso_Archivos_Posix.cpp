#include "hosts/support/Acceso_Archivos_Posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "hosts/support/Descriptor.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

std::string Motivo(int error) { return std::generic_category().message(error); }

}  // namespace

Acceso_Archivos::Lectura Acceso_Archivos_Posix::Lee(const fs::path& ruta) const {
  Lectura l;
  const Descriptor f(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (f.fd() < 0 || ::fstat(f.fd(), &st) != 0) {
    if (errno == ENOENT) return l;
    l.estado = Lectura::Estado::Ilegible;
    l.motivo = Motivo(errno);
    return l;
  }
  l.permisos = static_cast<fs::perms>(st.st_mode & 07777);
  char trozo[4096];
  for (;;) {
    const ssize_t n = ::read(f.fd(), trozo, sizeof trozo);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      l.estado = Lectura::Estado::Ilegible;
      l.motivo = Motivo(errno);
      return l;
    }
    if (n == 0) break;
    l.texto.append(trozo, static_cast<std::size_t>(n));
  }
  l.estado = Lectura::Estado::Leida;
  return l;
}

std::shared_ptr<void> Acceso_Archivos_Posix::Bloquea(const fs::path& cerrojo) const {
  auto fd = std::make_shared<Descriptor>(::open(cerrojo.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!fd->Abierto()) throw std::system_error(errno, std::generic_category(), "no lock file");
  if (!fd->Bloquea()) throw std::system_error(errno, std::generic_category());
  return fd;  // closing the descriptor lets go of the lock
}

bool Acceso_Archivos_Posix::Escribible(const fs::path& ruta) const { return ::access(ruta.c_str(), W_OK) == 0; }

void Acceso_Archivos_Posix::Reemplaza(const fs::path& ruta, const std::string& texto, fs::perms permisos) const {
  std::string temporal = ruta.string() + ".XXXXXX";
  const Descriptor f(::mkostemp(temporal.data(), O_CLOEXEC));
  if (f.fd() < 0) throw std::system_error(errno, std::generic_category());
  bool bien = ::fchmod(f.fd(), static_cast<mode_t>(permisos)) == 0;
  for (std::size_t hecho = 0; bien && hecho < texto.size();) {
    const ssize_t n = ::write(f.fd(), texto.data() + hecho, texto.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    bien = n > 0;
    if (bien) hecho += static_cast<std::size_t>(n);
  }
  bien = bien && ::fsync(f.fd()) == 0 && ::rename(temporal.c_str(), ruta.c_str()) == 0;
  if (!bien) {
    const int error = errno;
    ::unlink(temporal.c_str());
    throw std::system_error(error, std::generic_category());
  }
  const Descriptor carpeta = Abre_Carpeta(ruta.has_parent_path() ? ruta.parent_path() : fs::path("."));
  if (carpeta.Abierto()) ::fsync(carpeta.fd());  // makes the rename itself durable
}

}  // namespace Vyr_Trilat::anfitrion
