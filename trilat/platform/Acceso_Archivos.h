// How the library reaches a file that several processes share (the settings file): read whole, changed under a
// lock that other processes respect, and replaced whole by a rename. The library's own way uses the standard
// library alone, which can neither lock a file against other processes nor put it on disk before the rename; a
// host that can installs a way that does both.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace Vyr_Trilat {

class Acceso_Archivos {
 public:
  struct Lectura {
    enum class Estado { Ausente, Leida, Ilegible };
    Estado estado = Estado::Ausente;
    std::string texto;
    std::string motivo;  // why it is Ilegible
    std::filesystem::perms permisos = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  };

  virtual ~Acceso_Archivos() = default;
  // The whole file, or why it cannot be read.
  virtual Lectura Lee(const std::filesystem::path& ruta) const;
  // Holds the lock `cerrojo` names against other processes until the returned value goes; none by default.
  // Throws std::system_error when it cannot be taken.
  virtual std::shared_ptr<void> Bloquea(const std::filesystem::path& cerrojo) const;
  // This process may write the file.
  virtual bool Escribible(const std::filesystem::path& ruta) const;
  // Replaces the file with `texto` through a temporary file beside it, which takes `permisos`; readers see the
  // old file or the new one. Throws std::system_error, leaving the file as it was and no temporary.
  virtual void Reemplaza(const std::filesystem::path& ruta, const std::string& texto,
                         std::filesystem::perms permisos) const;
};

// The way in use, and the installing of another (null: the library's own), which hands back the one it replaces.
std::shared_ptr<const Acceso_Archivos> Archivos();
std::shared_ptr<const Acceso_Archivos> Instala_Acceso_Archivos(std::shared_ptr<const Acceso_Archivos> acceso);

}  // namespace Vyr_Trilat
