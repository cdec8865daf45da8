// A file descriptor owned by one object and closed with it; a lock taken on it (flock) is let go with it.
#pragma once

#include <filesystem>
#include <utility>

namespace Vyr_Trilat::anfitrion {

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& otro) noexcept : fd_(std::exchange(otro.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& otro) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Cierra(); }

  int fd() const { return fd_; }
  bool Abierto() const { return fd_ >= 0; }
  // An exclusive lock, waited for through interruptions; false (errno saying why) when it cannot be had.
  bool Bloquea() const;
  // An exclusive lock if no other process holds one; false otherwise (errno EWOULDBLOCK: another holds it).
  bool Intenta_Bloquear() const;

 private:
  void Cierra();
  int fd_;
};

// A folder opened to be locked or flushed to disk.
Descriptor Abre_Carpeta(const std::filesystem::path& carpeta);

}  // namespace Vyr_Trilat::anfitrion
