// Recording stand-ins for what a host hands the library: a picture box, a progress object, the message box and
// the message loop. Each writes what the library did to it into a log, in order, so tests can read the calls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "trilat/platform/DoEvents.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat::prueba {

using Registro = std::vector<std::string>;

// How many entries of the log begin with `prefijo` ("LineTo", "Polyline", "Value=" ...).
std::size_t Cuenta(const Registro& r, const std::string& prefijo);

class Superficie_Grabadora : public PictureBox {
 public:
  explicit Superficie_Grabadora(std::shared_ptr<Registro> registro = std::make_shared<Registro>());

  HDC hDC() override;
  void Let_ForeColor(Long color) override;
  void Let_DrawWidth(Integer ancho) override;
  void Let_DrawMode(Integer modo) override;
  void Let_AutoRedraw(Boolean valor) override;
  void PSet(float x, float y, Long color) override;

  // Every call except the hDC reads, in order ("MoveToEx 1 2", "LineTo 3 4", "Polyline 1,2 3,4 5,6", ...).
  const Registro& Llamadas() const { return *registro_; }
  // Number of Polyline calls so far.
  std::size_t Polilineas() const;

 private:
  class Contexto : public DeviceContext {
   public:
    explicit Contexto(Registro& r) : r_(r) {}

   protected:
    void Segmento(POINT desde, POINT hasta) override;
    void Polilinea(const std::vector<POINT>& puntos) override;
    void Movido(POINT p) override;

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
  void Let_Propiedad(const std::string& nombre, const Variant& valor) override;

 private:
  std::shared_ptr<Registro> registro_;
};

// Records every message shown while it lives, answering OK.
class Mensajes_Grabados {
 public:
  Mensajes_Grabados();
  ~Mensajes_Grabados();
  Mensajes_Grabados(const Mensajes_Grabados&) = delete;
  Mensajes_Grabados& operator=(const Mensajes_Grabados&) = delete;
  const std::vector<Mensaje>& Lista() const { return mensajes_; }

 private:
  std::vector<Mensaje> mensajes_;
  Presentador_Mensajes anterior_;
};

// Installs a message-loop hook while it lives.
class Bucle_Temporal {
 public:
  explicit Bucle_Temporal(Bucle_Mensajes b) : anterior_(Instala_Bucle_Mensajes(std::move(b))) {}
  ~Bucle_Temporal() { Instala_Bucle_Mensajes(std::move(anterior_)); }
  Bucle_Temporal(const Bucle_Temporal&) = delete;
  Bucle_Temporal& operator=(const Bucle_Temporal&) = delete;

 private:
  Bucle_Mensajes anterior_;
};

}  // namespace Vyr_Trilat::prueba
