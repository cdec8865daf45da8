// Recording stand-ins for what a host hands the library: a picture box, a progress object, the message box and
// the message loop. Each writes what the library did to it into a log, in order, so tests can read the calls.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "trilat/platform/DoEvents.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat::prueba {

using Registro = std::vector<std::string>;

// How many entries of the log begin with `prefijo` ("LineTo", "Polyline", "Value=" ...).
inline std::size_t Cuenta(const Registro& r, const std::string& prefijo) {
  return static_cast<std::size_t>(
      std::count_if(r.begin(), r.end(), [&](const auto& s) { return s.starts_with(prefijo); }));
}

// Installs a hook of this thread (`Instala` hands back the one it replaces) while it lives.
template <typename Gancho, Gancho (*Instala)(Gancho)>
class Gancho_Temporal {
 public:
  explicit Gancho_Temporal(Gancho g) : anterior_(Instala(std::move(g))) {}
  ~Gancho_Temporal() { Instala(std::move(anterior_)); }
  Gancho_Temporal(const Gancho_Temporal&) = delete;
  Gancho_Temporal& operator=(const Gancho_Temporal&) = delete;

 private:
  Gancho anterior_;
};

using Bucle_Temporal = Gancho_Temporal<Bucle_Mensajes, Instala_Bucle_Mensajes>;

// Records every message shown while it lives, answering OK.
class Mensajes_Grabados {
 public:
  const std::vector<Mensaje>& Lista() const { return mensajes_; }

 private:
  std::vector<Mensaje> mensajes_;
  Gancho_Temporal<Presentador_Mensajes, Instala_Presentador_Mensajes> presentador_{[this](const Mensaje& m) {
    mensajes_.push_back(m);
    return vbOK;
  }};
};

class Superficie_Grabadora : public PictureBox {
 public:
  explicit Superficie_Grabadora(std::shared_ptr<Registro> registro = std::make_shared<Registro>())
      : registro_(std::move(registro)), dc_(*registro_) {}

  HDC hDC() override { return &dc_; }
  void Let_ForeColor(Long c) override { registro_->push_back("ForeColor " + std::to_string(c)); }
  void Let_DrawWidth(Integer w) override { registro_->push_back("DrawWidth " + std::to_string(w)); }
  void Let_DrawMode(Integer m) override { registro_->push_back("DrawMode " + std::to_string(m)); }
  void Let_AutoRedraw(Boolean v) override { registro_->push_back("AutoRedraw " + std::to_string(v)); }
  void PSet(float x, float y, Long c) override {
    registro_->push_back("PSet " + Texto({static_cast<Long>(x), static_cast<Long>(y)}) + ' ' + std::to_string(c));
  }

  // Every call except the hDC reads, in order ("MoveToEx 1,2", "LineTo 3,4", "Polyline 1,2 3,4 5,6", ...).
  const Registro& Llamadas() const { return *registro_; }
  std::size_t Polilineas() const { return Cuenta(*registro_, "Polyline"); }

 private:
  static std::string Texto(POINT p) { return std::to_string(p.x) + ',' + std::to_string(p.y); }

  class Contexto : public DeviceContext {
   public:
    explicit Contexto(Registro& r) : r_(r) {}

   protected:
    void Segmento(POINT, POINT hasta) override { r_.push_back("LineTo " + Texto(hasta)); }
    void Movido(POINT p) override { r_.push_back("MoveToEx " + Texto(p)); }
    void Polilinea(const std::vector<POINT>& puntos) override {
      std::string s = "Polyline";
      for (const auto& p : puntos) s += ' ' + Texto(p);
      r_.push_back(s);
    }

   private:
    Registro& r_;
  };

  std::shared_ptr<Registro> registro_;
  Contexto dc_;
};

// A progress object that logs "Name=value" for every property written.
class Progreso_Grabador : public Object {
 public:
  explicit Progreso_Grabador(std::shared_ptr<Registro> registro = std::make_shared<Registro>())
      : registro_(std::move(registro)) {}
  void Let_Propiedad(const std::string& nombre, const Variant& valor) override {
    if (nombre != "Visible" && nombre != "Min" && nombre != "Max" && nombre != "Value")
      Object::Let_Propiedad(nombre, valor);
    registro_->push_back(nombre + "=" + valor.A_Texto());
  }

 private:
  std::shared_ptr<Registro> registro_;
};

}  // namespace Vyr_Trilat::prueba
