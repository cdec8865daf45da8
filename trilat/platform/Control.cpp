#include "trilat/platform/Control.h"

#include <algorithm>
#include <cstdlib>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

constexpr Long kError_Valor_Propiedad = 380;

Caja_Twips Caja_De(const Trazo_Twips& t) {
  const auto [a, b] = t;
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

}  // namespace

Control::Control(Tipo_Control tipo, Id_Control id, Control* contenedor, Caja_Twips caja, std::string texto)
    : tipo_(tipo), id_(std::move(id)), contenedor_(contenedor), caja_(caja), texto_(std::move(texto)) {}

Control::Control(Id_Control id, Control* contenedor, Trazo_Twips trazo)
    : tipo_(Tipo_Control::Line), id_(std::move(id)), contenedor_(contenedor), caja_(Caja_De(trazo)), trazo_(trazo) {}

void Control::Let_Texto(std::string texto) {
  if (texto == texto_) return;
  texto_ = std::move(texto);
  if (al_cambiar_) al_cambiar_();
}

void Control::Let_Value(Integer value) {
  if (value < 0 || value > 2) throw RuntimeError(kError_Valor_Propiedad, "Invalid property value");
  if (value == value_) return;
  value_ = value;
  if (al_pulsar_) al_pulsar_();
}

void Control::Click() {
  if (al_pulsar_) al_pulsar_();
}

}  // namespace Vyr_Trilat
