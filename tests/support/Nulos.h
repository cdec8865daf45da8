// Stand-ins that accept everything and keep nothing: a picture box that draws nothing and a progress object
// that shows nothing, so that benchmarks time the computation alone.
#pragma once

#include <vector>

#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat::prueba {

class Superficie_Nula : public PictureBox {
 public:
  HDC hDC() override { return &dc_; }
  void Let_ForeColor(Long) override {}
  void Let_DrawWidth(Integer) override {}
  void Let_DrawMode(Integer) override {}
  void Let_AutoRedraw(Boolean) override {}
  void PSet(float, float, Long) override {}

 private:
  class Contexto : public DeviceContext {
    void Segmento(POINT, POINT) override {}
    void Polilinea(const std::vector<POINT>&) override {}
  } dc_;
};

class Progreso_Nulo : public Object {
  void Let_Propiedad(const std::string&, const Variant&) override {}
};

}  // namespace Vyr_Trilat::prueba
