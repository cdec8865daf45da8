// Where the settings file lives and how it is read and changed. Reads take no lock: every change replaces the
// whole file by an atomic rename, so a reader sees either the old file or the new one. Changes are
// read-modify-write under an exclusive lock on "<file>.lock", so concurrent processes lose none of each
// other's values.
//
// The file is the one that TRILAT_SETTINGS names, else $XDG_CONFIG_HOME/vyr_trilat/settings.ini, else
// ~/.config/vyr_trilat/settings.ini; the environment is read at each call.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "trilat/sibling/Documento_Ajustes.h"

namespace Vyr_Trilat {

// The settings file the environment names now; nothing when there is no home folder to keep it in.
std::optional<std::filesystem::path> Ruta_Ajustes();

// The settings the file holds now; a missing, unreadable or corrupt file reads as no settings.
Documento_Ajustes Lee_Ajustes();

// Why the settings file that exists cannot be used ("... is damaged (...)", naming it); nothing when it can, or
// when there is none.
std::optional<std::string> Problema_Ajustes();

// Applies `cambio` to the file's settings and writes them back. When the file cannot be read, is not a
// settings file, is read-only or cannot be written, raises error 75 naming the file, and the file stays as it was.
void Cambia_Ajustes(const std::function<void(Documento_Ajustes&)>& cambio);

}  // namespace Vyr_Trilat
