// Shared files as a POSIX system allows: locked against other processes with flock on a lock file beside them, and
// replaced by a temporary file that is on disk before the rename, which is itself made durable.
#pragma once

#include "trilat/platform/Acceso_Archivos.h"

namespace Vyr_Trilat::anfitrion {

class Acceso_Archivos_Posix : public Acceso_Archivos {
 public:
  Lectura Lee(const std::filesystem::path& ruta) const override;
  std::shared_ptr<void> Bloquea(const std::filesystem::path& cerrojo) const override;
  bool Escribible(const std::filesystem::path& ruta) const override;
  void Reemplaza(const std::filesystem::path& ruta, const std::string& texto,
                 std::filesystem::perms permisos) const override;
};

}  // namespace Vyr_Trilat::anfitrion
