// The host's picture box and its device context. The device context keeps the platform's line semantics in
// one place for every surface: LineTo draws from the current position, leaves the end pixel undrawn and moves
// the pen there; Polyline neither uses nor moves the current position. Surfaces only rasterise.
#pragma once

#include <vector>

#include "trilat/platform/Object.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

// Device pixel, x then y.
struct POINT {
  Long x = 0;
  Long y = 0;
  bool operator==(const POINT&) const = default;
};

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  void MoveTo(Long x, Long y, POINT* anterior);
  void LineTo(Long x, Long y);
  void Polyline(const POINT* puntos, Long n);

  POINT Posicion() const { return actual_; }

 protected:
  // A segment whose end pixel is not drawn.
  virtual void Segmento(POINT desde, POINT hasta) = 0;
  // An open polyline through the points; its last pixel is not drawn either.
  virtual void Polilinea(const std::vector<POINT>& puntos) = 0;
  // Recording surfaces see every call, even those that draw nothing.
  virtual void Movido(POINT) {}

 private:
  POINT actual_;
};

using HDC = DeviceContext*;

// The platform's 2-D line calls on a device context.
void MoveToEx(HDC hdc, Long x, Long y, POINT* anterior = nullptr);
void LineTo(HDC hdc, Long x, Long y);
void Polyline(HDC hdc, const POINT* puntos, Long n);

class PictureBox : public Object {
 public:
  virtual HDC hDC() = 0;
  virtual void Let_ForeColor(Long color) = 0;
  virtual void Let_DrawWidth(Integer ancho) = 0;
  virtual void Let_DrawMode(Integer modo) = 0;
  virtual void Let_AutoRedraw(Boolean valor) = 0;
  virtual void PSet(float x, float y, Long color) = 0;
};

using PictureBoxRef = std::shared_ptr<PictureBox>;

// An object handed over "as a picture box": empty stays empty, anything else that is not one is error 13.
PictureBoxRef Como_PictureBox(const ObjectRef& obj);

}  // namespace Vyr_Trilat
