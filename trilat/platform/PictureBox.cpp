#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat {

void DeviceContext::MoveTo(Long x, Long y, POINT* anterior) {
  if (anterior) *anterior = actual_;
  actual_ = {x, y};
  Movido(actual_);
}

void DeviceContext::LineTo(Long x, Long y) {
  const POINT hasta{x, y};
  Segmento(actual_, hasta);
  actual_ = hasta;
}

void DeviceContext::Polyline(const POINT* puntos, Long n) {
  if (n < 2 || puntos == nullptr) return;
  Polilinea(std::vector<POINT>(puntos, puntos + n));
}

namespace {
DeviceContext& Contexto(HDC hdc) {
  if (hdc == nullptr) throw RuntimeError(Err::Object_Not_Set);
  return *hdc;
}
}  // namespace

void MoveToEx(HDC hdc, Long x, Long y, POINT* anterior) { Contexto(hdc).MoveTo(x, y, anterior); }
void LineTo(HDC hdc, Long x, Long y) { Contexto(hdc).LineTo(x, y); }
void Polyline(HDC hdc, const POINT* puntos, Long n) { Contexto(hdc).Polyline(puntos, n); }

PictureBoxRef Como_PictureBox(const ObjectRef& obj) {
  if (!obj) return nullptr;
  auto p = std::dynamic_pointer_cast<PictureBox>(obj);
  if (!p) throw RuntimeError(Err::Type_Mismatch);
  return p;
}

}  // namespace Vyr_Trilat
