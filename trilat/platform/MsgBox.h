// Message boxes. The host installs, per thread, what showing one means (a dialog, a terminal line, a
// recorder in tests); by default the message is written to standard error as "TITLE: TEXT".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

enum Estilo_Mensaje : Long {
  vbOKOnly = 0,
  vbCritical = 16,
  vbExclamation = 48,
  vbInformation = 64,
};

inline constexpr Long vbOK = 1;

struct Mensaje {
  std::string texto;
  Long estilo = vbOKOnly;
  std::optional<std::string> titulo;  // none: the platform's default title
  bool operator==(const Mensaje&) const = default;
};

// The title shown when a message has none of its own.
inline constexpr const char* kTitulo_Por_Defecto = "Vyr_Trilat";

using Presentador_Mensajes = std::function<Long(const Mensaje&)>;

// Shows a message through this thread's presenter; returns the button pressed.
Long MsgBox(const std::string& texto, Long estilo = vbOKOnly, std::optional<std::string> titulo = std::nullopt);

// Installs a presenter for this thread and returns the previous one (empty: the default).
Presentador_Mensajes Instala_Presentador_Mensajes(Presentador_Mensajes p);

}  // namespace Vyr_Trilat
