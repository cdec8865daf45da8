#include "trilat/platform/Formulario.h"

#include <stdexcept>
#include <utility>

#include "trilat/platform/Presentador_Formularios.h"

namespace Vyr_Trilat {

Formulario::Formulario(std::string caption, Long ancho_cliente, Long alto_cliente)
    : caption_(std::move(caption)), width_(ancho_cliente + kBorde_Ancho), height_(alto_cliente + kBorde_Alto) {}

void Formulario::Mueve(Long left, Long top) {
  left_ = left;
  top_ = top;
}

void Formulario::Redimensiona(Long ancho, Long alto) {
  if (ancho == width_ && alto == height_) return;
  width_ = ancho;
  height_ = alto;
  if (al_redimensionar_) al_redimensionar_();
}

void Formulario::Load() {
  if (cargado_) return;
  cargado_ = true;
  if (al_cargar_) al_cargar_();
}

void Formulario::Show_Modal() {
  Load();
  visible_ = true;
  try {
    Presenta_Modal(*this);
  } catch (...) {
    visible_ = false;  // a handler's error ends the show
    throw;
  }
  visible_ = false;
}

void Formulario::Unload() {
  if (!cargado_) return;
  if (al_descargar_) al_descargar_();
  visible_ = false;
  cargado_ = false;
}

const Control& Formulario::Busca(const std::string& nombre, std::optional<Integer> indice) const {
  for (const auto& c : controles_)
    if (c->Id() == Id_Control{nombre, indice}) return *c;
  std::string id = nombre;
  if (indice) id += "(" + std::to_string(*indice) + ")";
  throw std::out_of_range("El formulario \"" + caption_ + "\" no tiene el control " + id);
}

Control& Formulario::Busca(const std::string& nombre, std::optional<Integer> indice) {
  return const_cast<Control&>(std::as_const(*this).Busca(nombre, indice));
}

bool Formulario::Al_Alcance(const Control& c) const {
  for (const Control* k = &c; k; k = k->Contenedor()) {
    const Long ancho = k->Contenedor() ? k->Contenedor()->Caja().width : Ancho_Cliente();
    const Long alto = k->Contenedor() ? k->Contenedor()->Caja().height : Alto_Cliente();
    const Caja_Twips& caja = k->Caja();
    if (!k->Enabled()) return false;
    if (caja.left < 0 || caja.top < 0 || caja.left >= ancho || caja.top >= alto) return false;
  }
  return true;
}

Control& Formulario::Agrega(Tipo_Control tipo, Id_Control id, Control* contenedor, Caja_Twips caja, std::string texto) {
  controles_.push_back(std::make_unique<Control>(tipo, std::move(id), contenedor, caja, std::move(texto)));
  return *controles_.back();
}

Control& Formulario::Agrega_Linea(Id_Control id, Control* contenedor, Trazo_Twips trazo) {
  controles_.push_back(std::make_unique<Control>(std::move(id), contenedor, trazo));
  return *controles_.back();
}

}  // namespace Vyr_Trilat
