#include "tests/support/Grabadores.h"

#include <algorithm>

namespace Vyr_Trilat::prueba {

namespace {
std::string Texto(POINT p) {
  std::string s = std::to_string(p.x);
  s += ',';
  s += std::to_string(p.y);
  return s;
}
}  // namespace

Superficie_Grabadora::Superficie_Grabadora(std::shared_ptr<Registro> registro)
    : registro_(std::move(registro)), dc_(*registro_) {}

HDC Superficie_Grabadora::hDC() { return &dc_; }
void Superficie_Grabadora::Let_ForeColor(Long c) { registro_->push_back("ForeColor " + std::to_string(c)); }
void Superficie_Grabadora::Let_DrawWidth(Integer w) { registro_->push_back("DrawWidth " + std::to_string(w)); }
void Superficie_Grabadora::Let_DrawMode(Integer m) { registro_->push_back("DrawMode " + std::to_string(m)); }
void Superficie_Grabadora::Let_AutoRedraw(Boolean v) { registro_->push_back("AutoRedraw " + std::to_string(v)); }
void Superficie_Grabadora::PSet(float x, float y, Long c) {
  std::string s = "PSet ";
  s += Texto({static_cast<Long>(x), static_cast<Long>(y)});
  s += ' ';
  s += std::to_string(c);
  registro_->push_back(s);
}

std::size_t Cuenta(const Registro& r, const std::string& prefijo) {
  return static_cast<std::size_t>(
      std::count_if(r.begin(), r.end(), [&](const std::string& s) { return s.rfind(prefijo, 0) == 0; }));
}

std::size_t Superficie_Grabadora::Polilineas() const { return Cuenta(*registro_, "Polyline"); }

void Superficie_Grabadora::Contexto::Segmento(POINT, POINT hasta) { r_.push_back("LineTo " + Texto(hasta)); }
void Superficie_Grabadora::Contexto::Movido(POINT p) { r_.push_back("MoveToEx " + Texto(p)); }
void Superficie_Grabadora::Contexto::Polilinea(const std::vector<POINT>& puntos) {
  std::string s = "Polyline";
  for (const auto& p : puntos) {
    s += ' ';
    s += Texto(p);
  }
  r_.push_back(s);
}

void Progreso_Grabador::Let_Propiedad(const std::string& nombre, const Variant& valor) {
  if (nombre != "Visible" && nombre != "Min" && nombre != "Max" && nombre != "Value")
    Object::Let_Propiedad(nombre, valor);
  registro_->push_back(nombre + "=" + valor.A_Texto());
}

Mensajes_Grabados::Mensajes_Grabados()
    : anterior_(Instala_Presentador_Mensajes([this](const Mensaje& m) {
        mensajes_.push_back(m);
        return vbOK;
      })) {}

Mensajes_Grabados::~Mensajes_Grabados() { Instala_Presentador_Mensajes(std::move(anterior_)); }

}  // namespace Vyr_Trilat::prueba
