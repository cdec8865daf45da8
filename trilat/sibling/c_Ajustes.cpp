#include "trilat/sibling/c_Ajustes.h"

#include <charconv>
#include <optional>

#include "trilat/platform/RuntimeError.h"
#include "trilat/sibling/Archivo_Ajustes.h"

namespace Vyr_Trilat {

namespace {

// A window position is the group (application, position key) holding these two values, in twips.
constexpr const char* kIzquierda = "Left";
constexpr const char* kArriba = "Top";

std::optional<Long> Coordenada(const std::string* texto) {
  Long v = 0;
  if (!texto) return std::nullopt;
  const char* fin = texto->data() + texto->size();
  const auto [ptr, ec] = std::from_chars(texto->data(), fin, v);
  if (ec != std::errc() || ptr != fin) return std::nullopt;
  return v;
}

}  // namespace

c_Ajustes& c_Ajustes::Instancia() {
  thread_local c_Ajustes instancia;
  return instancia;
}

c_Ajustes::Clave_Completa c_Ajustes::Completa(const std::string& aplicacion, const std::string& seccion,
                                              const std::string& clave) {
  const auto ruta = Ruta_Ajustes();
  return {ruta ? ruta->string() : std::string(), aplicacion, seccion, clave};
}

void c_Ajustes::Guarda_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                             const Variant& valor) {
  const std::string texto = valor.A_Texto();
  const Clave_Completa completa = Completa(aplicacion, seccion, clave);
  try {
    Cambia_Ajustes([&](Documento_Ajustes& d) { d.Pon({aplicacion, seccion, clave}, texto); });
  } catch (const RuntimeError&) {
    // A caller that reads back what it saved (the dialogs' callers do) gets the value it was given, not one the file
    // kept from an earlier run.
    sin_guardar_[completa] = texto;
    throw;
  }
  sin_guardar_.erase(completa);
}

Variant c_Ajustes::Lee_Valor(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                             const Variant& defecto) {
  if (const auto it = sin_guardar_.find(Completa(aplicacion, seccion, clave)); it != sin_guardar_.end())
    return Variant::De_Texto(it->second);
  const Documento_Ajustes d = Lee_Ajustes();
  const std::string* valor = d.Valor({aplicacion, seccion, clave});
  return valor ? Variant::De_Texto(*valor) : defecto;
}

void c_Ajustes::Pon_Posicion(Ventana& ventana, const std::string& aplicacion, const std::string& clave) {
  const Documento_Ajustes d = Lee_Ajustes();
  const auto izquierda = Coordenada(d.Valor({aplicacion, clave, kIzquierda}));
  const auto arriba = Coordenada(d.Valor({aplicacion, clave, kArriba}));
  // A position edited into something else is ignored like a missing one: the window keeps its place.
  if (izquierda && arriba) ventana.Mueve(*izquierda, *arriba);
}

void c_Ajustes::Guarda_Posicion(const Ventana& ventana, const std::string& aplicacion, const std::string& clave) {
  const std::string izquierda = std::to_string(ventana.Left()), arriba = std::to_string(ventana.Top());
  Cambia_Ajustes([&](Documento_Ajustes& d) {
    d.Pon({aplicacion, clave, kIzquierda}, izquierda);
    d.Pon({aplicacion, clave, kArriba}, arriba);
  });
}

}  // namespace Vyr_Trilat
