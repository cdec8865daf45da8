#include "trilat/c_Triangulos/Estado_Triangulos.h"

#include <utility>

namespace Vyr_Trilat {

namespace {

template <typename... V>
void Redimensiona(std::size_t n, V&... v) {
  (v.resize(n), ...);
}

}  // namespace

void Triangulos_Trabajo::Dimensiona(Long limite) {
  V1.clear(), V2.clear(), V3.clear();
  Lado12.clear(), Lado13.clear(), Lado23.clear(), Cerrado.clear(), Excluido.clear();
  Amplia(limite);
}

void Triangulos_Trabajo::Amplia(Long limite) {
  Redimensiona(static_cast<std::size_t>(limite + 1), V1, V2, V3, Lado12, Lado13, Lado23, Cerrado, Excluido);
}

void Triangulos_Trabajo::Libera_Vertices() {
  V1 = {};
  V2 = {};
  V3 = {};
}

Triangulacion_Delaunay& Delaunay_Anfitrion(Estado_Triangulos& s) {
  if (!s.Delaunay && s.Delaunay_En_Curso) {
    // Whatever it raises, it is asked for once.
    const auto en_curso = std::move(s.Delaunay_En_Curso);
    s.Delaunay = en_curso->Toma();
  }
  if (!s.Delaunay) {
    std::vector<double> x(s.Puntos_Anfitrion.size()), y(s.Puntos_Anfitrion.size());
    for (std::size_t k = 0; k < x.size(); ++k) x[k] = s.Puntos_Anfitrion[k].X, y[k] = s.Puntos_Anfitrion[k].Y;
    s.Delaunay = std::make_shared<Triangulacion_Delaunay>(x, y);
  }
  return *s.Delaunay;
}

}  // namespace Vyr_Trilat
