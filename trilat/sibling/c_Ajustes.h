// The settings and window-position store of the sibling library: values kept by (application, section, key)
// in a human-readable file that survives across runs of the host. One instance per thread, shared by callers.
#pragma once

#include <array>
#include <map>
#include <string>

#include "trilat/platform/Variant.h"
#include "trilat/platform/Ventana.h"

namespace Vyr_Trilat {

class c_Ajustes {
 public:
  // This thread's store, created on first use.
  static c_Ajustes& Instancia();

  // Writes the value at once; it survives across runs and is returned by a later Lee_Valor. When the file cannot
  // take it, error 75 reaches the caller, and this thread's Lee_Valor still returns the value for the rest of the
  // run (until a save of that key succeeds).
  void Guarda_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                    const Variant& valor);
  // The stored value as text, or `defecto` (unchanged) when the key was never stored.
  Variant Lee_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                    const Variant& defecto);

  // Places the window where Guarda_Posicion last saved it under that key (nothing when never saved).
  void Pon_Posicion(Ventana& ventana, const std::string& aplicacion, const std::string& clave);
  void Guarda_Posicion(const Ventana& ventana, const std::string& aplicacion, const std::string& clave);

 private:
  // The values whose save failed, by settings file, application, section and key.
  using Clave_Completa = std::array<std::string, 4>;
  static Clave_Completa Completa(const std::string& aplicacion, const std::string& seccion, const std::string& clave);
  std::map<Clave_Completa, std::string> sin_guardar_;
};

}  // namespace Vyr_Trilat
