#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat {

namespace {

constexpr double kLado_Maximo = 4096;

// Cells across a side: at least one, and one too for a side that is not a finite number.
int Celdas_Lado(double cociente) {
  return cociente >= 1 ? static_cast<int>(std::min(std::ceil(cociente), kLado_Maximo)) : 1;
}

}  // namespace

Rejilla_Uniforme::Rejilla_Uniforme(const Caja& dominio, double celdas) : dominio_(dominio) {
  const double w = std::max(dominio.x1 - dominio.x0, 1e-300), h = std::max(dominio.y1 - dominio.y0, 1e-300);
  const double lado = std::sqrt(w * h / std::max(celdas, 1.0));
  nx_ = Celdas_Lado(w / lado);
  ny_ = Celdas_Lado(h / lado);
  ancho_celda_ = w / nx_;
  alto_celda_ = h / ny_;
}

int Rejilla_Uniforme::Columna(double x) const {
  const double i = std::floor((x - dominio_.x0) / ancho_celda_);
  return i > 0 ? static_cast<int>(std::min(i, static_cast<double>(nx_ - 1))) : 0;  // NaN too falls in cell 0
}

int Rejilla_Uniforme::Fila(double y) const {
  const double j = std::floor((y - dominio_.y0) / alto_celda_);
  return j > 0 ? static_cast<int>(std::min(j, static_cast<double>(ny_ - 1))) : 0;
}

}  // namespace Vyr_Trilat
