// A picture box that draws nothing: for a job whose picture nobody will look at, and for timing the computation
// alone. Drawing a large model into a real picture costs a tenth of its triangulation and memory for every stroke.
#pragma once

#include <vector>

#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat {

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

}  // namespace Vyr_Trilat
