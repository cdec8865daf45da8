// The output folder of a job, filled all at once: every file is first written into a staging folder inside
// it and moved into place only when all of them were written, so a failed job leaves nothing behind. The staging
// folders of jobs that ended without removing theirs are removed by the next job writing into the same folder; a
// job holds a lock on its own while it runs, so no other job takes a live one for such.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "hosts/support/Descriptor.h"

namespace Vyr_Trilat::anfitrion {

class Carpeta_Salida {
 public:
  explicit Carpeta_Salida(std::filesystem::path destino);
  ~Carpeta_Salida();  // removes what was staged (and the folders this job created) unless published
  Carpeta_Salida(const Carpeta_Salida&) = delete;
  Carpeta_Salida& operator=(const Carpeta_Salida&) = delete;

  // Where a file of this name is to be written now.
  std::filesystem::path Ruta(const std::string& nombre) const { return preparacion_ / nombre; }
  // A message about files written here, naming them where they are to go rather than where they are staged.
  std::string En_Destino(std::string mensaje) const;
  // Moves every staged file into the folder, replacing those of the same names, all of them or none;
  // std::runtime_error when one cannot be moved (the folder is then as it was). Jobs publishing into one folder
  // take turns, and neither Ctrl-C nor a request to end the process cuts a publishing short.
  void Publica();
  // A file of the folder that publishing removes as well, when no staged file replaces it: one of a dataset being
  // replaced that the new one does without. A publishing that fails puts it back.
  void Retira(const std::string& nombre) { retirados_.emplace_back(nombre); }
  // The names of the files published.
  const std::vector<std::filesystem::path>& Publicados() const { return publicados_; }

 private:
  void Quita_Creadas() const;
  void Mueve_Todo(const std::vector<std::filesystem::path>& nombres);

  std::filesystem::path destino_, preparacion_;
  Descriptor cerrojo_;                          // the staging folder, open and locked while the job runs
  std::vector<std::filesystem::path> creadas_;  // the folders of the path that were not there, deepest first
  std::vector<std::filesystem::path> retirados_, publicados_;
  bool publicada_ = false;
  bool conserva_ = false;  // the staging folder holds files of the user that could not be put back
};

}  // namespace Vyr_Trilat::anfitrion
