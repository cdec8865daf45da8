#include "trilat/sibling/Archivo_Ajustes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Falla_Acceso(const std::string& detalle) {
  const auto numero = static_cast<Long>(Err::File_Access);
  throw RuntimeError(numero, Descripcion_Error(numero) + ": " + detalle);
}

[[noreturn]] void Falla(const fs::path& ruta, const std::string& motivo) {
  Falla_Acceso("the settings file " + ruta.string() + " " + motivo);
}

std::string Motivo(int error) { return "(" + std::generic_category().message(error) + ")"; }

// A POSIX file descriptor, closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

struct Lectura {
  enum class Estado { Ausente, Leida, Ilegible };
  Estado estado = Estado::Ausente;
  std::string texto;
  int error = 0;                    // why it is Ilegible
  mode_t modo = S_IRUSR | S_IWUSR;  // permissions that a rewrite keeps
};

Lectura Lee_Archivo(const fs::path& ruta) {
  Lectura l;
  const Descriptor f(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (f.fd() < 0 || ::fstat(f.fd(), &st) != 0) {
    l.error = errno;
    l.estado = l.error == ENOENT ? Lectura::Estado::Ausente : Lectura::Estado::Ilegible;
    return l;
  }
  l.modo = st.st_mode & 07777;
  char trozo[4096];
  for (;;) {
    const ssize_t n = ::read(f.fd(), trozo, sizeof trozo);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      l.error = errno;
      l.estado = Lectura::Estado::Ilegible;
      return l;
    }
    if (n == 0) break;
    l.texto.append(trozo, static_cast<std::size_t>(n));
  }
  l.estado = Lectura::Estado::Leida;
  return l;
}

// A file that nobody may write, or this process may not, is kept as it is: the rename of a rewrite would replace
// it all the same (and take it from its owner).
bool Protegido(const fs::path& ruta, mode_t modo) {
  return (modo & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(ruta.c_str(), W_OK) != 0;
}

constexpr const char* kDanado =
    "is damaged (a NUL byte, invalid UTF-8, or a line that is not a [application/section] header, key=value or "
    "comment)";

fs::path Carpeta(const fs::path& ruta) { return ruta.has_parent_path() ? ruta.parent_path() : fs::path("."); }

// Writes a temporary file beside `ruta`, flushes it to disk and renames it over `ruta`.
void Escribe_Atomico(const fs::path& ruta, const std::string& texto, mode_t modo) {
  std::string temporal = ruta.string() + ".XXXXXX";
  const Descriptor f(::mkostemp(temporal.data(), O_CLOEXEC));
  if (f.fd() < 0) Falla(ruta, "cannot be written " + Motivo(errno));
  bool bien = ::fchmod(f.fd(), modo) == 0;
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
    Falla(ruta, "cannot be written " + Motivo(error));
  }
  const Descriptor carpeta(::open(Carpeta(ruta).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (carpeta.fd() >= 0) ::fsync(carpeta.fd());  // makes the rename itself durable
}

}  // namespace

std::optional<fs::path> Ruta_Ajustes() {
  const auto variable = [](const char* nombre) -> std::string {
    const char* v = std::getenv(nombre);
    return v ? v : "";
  };
  if (const std::string propia = variable("TRILAT_SETTINGS"); !propia.empty()) return propia;
  fs::path base = variable("XDG_CONFIG_HOME");
  if (!base.is_absolute()) {  // a relative XDG_CONFIG_HOME is invalid and is to be ignored
    const std::string casa = variable("HOME");
    if (casa.empty()) return std::nullopt;
    base = fs::path(casa) / ".config";
  }
  return base / "vyr_trilat" / "settings.ini";
}

Documento_Ajustes Lee_Ajustes() {
  const auto ruta = Ruta_Ajustes();
  if (!ruta) return {};
  const Lectura l = Lee_Archivo(*ruta);
  if (l.estado != Lectura::Estado::Leida) return {};
  return Documento_Ajustes::Analiza(l.texto).value_or(Documento_Ajustes{});
}

std::optional<std::string> Problema_Ajustes() {
  const auto ruta = Ruta_Ajustes();
  if (!ruta) return std::nullopt;
  const Lectura l = Lee_Archivo(*ruta);
  if (l.estado == Lectura::Estado::Ilegible)
    return "the settings file " + ruta->string() + " cannot be read " + Motivo(l.error);
  if (l.estado == Lectura::Estado::Leida && !Documento_Ajustes::Analiza(l.texto))
    return "the settings file " + ruta->string() + " " + kDanado;
  return std::nullopt;
}

void Cambia_Ajustes(const std::function<void(Documento_Ajustes&)>& cambio) {
  const auto ruta = Ruta_Ajustes();
  if (!ruta) Falla_Acceso("no home folder for the settings file");
  std::error_code ec;
  fs::create_directories(Carpeta(*ruta), ec);
  if (ec) Falla(*ruta, "cannot have its folder (" + ec.message() + ")");

  const Descriptor cerrojo(::open((ruta->string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (cerrojo.fd() < 0) Falla(*ruta, "cannot be locked: no lock file " + Motivo(errno));
  while (::flock(cerrojo.fd(), LOCK_EX) != 0)
    if (errno != EINTR) Falla(*ruta, "cannot be locked " + Motivo(errno));

  // A link is followed, so that the rename replaces the file it points to and the link stays.
  fs::path destino = *ruta;
  if (fs::is_symlink(fs::symlink_status(destino, ec))) {
    destino = fs::canonical(destino, ec);
    if (ec) Falla(*ruta, "is a link to nothing (" + ec.message() + ")");
  }

  const Lectura lectura = Lee_Archivo(destino);
  if (lectura.estado == Lectura::Estado::Ilegible)
    Falla(*ruta, "cannot be read " + Motivo(lectura.error) + "; it was left as it was and nothing was saved");
  auto documento =
      lectura.estado == Lectura::Estado::Ausente ? Documento_Ajustes{} : Documento_Ajustes::Analiza(lectura.texto);
  if (!documento) Falla(*ruta, std::string(kDanado) + "; it was left as it was and nothing was saved");
  cambio(*documento);
  const std::string texto = documento->Texto();
  if (lectura.estado == Lectura::Estado::Leida && texto == lectura.texto) return;
  if (lectura.estado == Lectura::Estado::Leida && Protegido(destino, lectura.modo))
    Falla(*ruta, "is read-only; it was left as it was and nothing was saved");
  Escribe_Atomico(destino, texto, lectura.modo);
}

}  // namespace Vyr_Trilat
