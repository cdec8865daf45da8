// The settings and window-position store of the sibling library: values kept by (application, section, key)
// in a human-readable file that survives across runs of the host. One instance per thread, shared by callers.
#pragma once

#include <string>

#include "trilat/platform/Variant.h"
#include "trilat/platform/Ventana.h"

namespace Vyr_Trilat {

class c_Ajustes {
 public:
  // This thread's store, created on first use.
  static c_Ajustes& Instancia();

  // Writes the value at once; it survives across runs and is returned by a later Lee_Valor.
  void Guarda_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                    const Variant& valor);
  // The stored value as text, or `defecto` (unchanged) when the key was never stored.
  Variant Lee_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                    const Variant& defecto);

  // Places the window where Guarda_Posicion last saved it under that key (nothing when never saved).
  void Pon_Posicion(Ventana& ventana, const std::string& aplicacion, const std::string& clave);
  void Guarda_Posicion(const Ventana& ventana, const std::string& aplicacion, const std::string& clave);
};

}  // namespace Vyr_Trilat
