#include "trilat/sibling/Archivo_Ajustes.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "trilat/platform/Acceso_Archivos.h"
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

std::string Motivo(const std::string& motivo) { return "(" + motivo + ")"; }

using Lectura = Acceso_Archivos::Lectura;

// A file that nobody may write, or this process may not, is kept as it is: the rename of a rewrite would replace
// it all the same (and take it from its owner).
bool Protegido(const Acceso_Archivos& archivos, const fs::path& ruta, fs::perms modo) {
  const auto escritura = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (modo & escritura) == fs::perms::none || !archivos.Escribible(ruta);
}

constexpr const char* kDanado =
    "is damaged (a NUL byte, invalid UTF-8, or a line that is not a [application/section] header, key=value or "
    "comment)";

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
  const Lectura l = Archivos()->Lee(*ruta);
  if (l.estado != Lectura::Estado::Leida) return {};
  return Documento_Ajustes::Analiza(l.texto).value_or(Documento_Ajustes{});
}

std::optional<std::string> Problema_Ajustes() {
  const auto ruta = Ruta_Ajustes();
  if (!ruta) return std::nullopt;
  const Lectura l = Archivos()->Lee(*ruta);
  if (l.estado == Lectura::Estado::Ilegible)
    return "the settings file " + ruta->string() + " cannot be read " + Motivo(l.motivo);
  if (l.estado == Lectura::Estado::Leida && !Documento_Ajustes::Analiza(l.texto))
    return "the settings file " + ruta->string() + " " + kDanado;
  return std::nullopt;
}

void Cambia_Ajustes(const std::function<void(Documento_Ajustes&)>& cambio) {
  const auto ruta = Ruta_Ajustes();
  if (!ruta) Falla_Acceso("no home folder for the settings file");
  std::error_code ec;
  if (ruta->has_parent_path()) fs::create_directories(ruta->parent_path(), ec);
  if (ec) Falla(*ruta, "cannot have its folder " + Motivo(ec.message()));

  const auto archivos = Archivos();
  std::shared_ptr<void> cerrojo;
  try {
    cerrojo = archivos->Bloquea(ruta->string() + ".lock");
  } catch (const std::system_error& e) {
    Falla(*ruta, "cannot be locked " + Motivo(e.what()));
  }

  // A link is followed, so that the rename replaces the file it points to and the link stays.
  fs::path destino = *ruta;
  if (fs::is_symlink(fs::symlink_status(destino, ec))) {
    destino = fs::canonical(destino, ec);
    if (ec) Falla(*ruta, "is a link to nothing (" + ec.message() + ")");
  }

  const Lectura lectura = archivos->Lee(destino);
  if (lectura.estado == Lectura::Estado::Ilegible)
    Falla(*ruta, "cannot be read " + Motivo(lectura.motivo) + "; it was left as it was and nothing was saved");
  auto documento =
      lectura.estado == Lectura::Estado::Ausente ? Documento_Ajustes{} : Documento_Ajustes::Analiza(lectura.texto);
  if (!documento) Falla(*ruta, std::string(kDanado) + "; it was left as it was and nothing was saved");
  cambio(*documento);
  const std::string texto = documento->Texto();
  if (lectura.estado == Lectura::Estado::Leida && texto == lectura.texto) return;
  if (lectura.estado == Lectura::Estado::Leida && Protegido(*archivos, destino, lectura.permisos))
    Falla(*ruta, "is read-only; it was left as it was and nothing was saved");
  try {
    archivos->Reemplaza(destino, texto, lectura.permisos);
  } catch (const std::system_error& e) {
    Falla(*ruta, "cannot be written " + Motivo(e.code().message()));
  }
}

}  // namespace Vyr_Trilat
