#include "trilat/platform/MsgBox.h"

#include <iostream>

namespace Vyr_Trilat {

namespace {
thread_local Presentador_Mensajes presentador;
}

Long MsgBox(const std::string& texto, Long estilo, std::optional<std::string> titulo) {
  const Mensaje m{texto, estilo, std::move(titulo)};
  if (presentador) return presentador(m);
  std::cerr << m.titulo.value_or(kTitulo_Por_Defecto) << ": " << m.texto << '\n';
  return vbOK;
}

Presentador_Mensajes Instala_Presentador_Mensajes(Presentador_Mensajes p) {
  std::swap(p, presentador);
  return p;
}

}  // namespace Vyr_Trilat
