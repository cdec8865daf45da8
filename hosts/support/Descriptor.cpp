#include "hosts/support/Descriptor.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace Vyr_Trilat::anfitrion {

Descriptor& Descriptor::operator=(Descriptor&& otro) noexcept {
  if (this != &otro) {
    Cierra();
    fd_ = std::exchange(otro.fd_, -1);
  }
  return *this;
}

bool Descriptor::Bloquea() const {
  while (::flock(fd_, LOCK_EX) != 0)
    if (errno != EINTR) return false;
  return true;
}

bool Descriptor::Intenta_Bloquear() const { return ::flock(fd_, LOCK_EX | LOCK_NB) == 0; }

void Descriptor::Cierra() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Descriptor Abre_Carpeta(const std::filesystem::path& carpeta) {
  return Descriptor(::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace Vyr_Trilat::anfitrion
