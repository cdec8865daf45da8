#include "trilat/c_Triangulos/Delaunay_Adelantada.h"

#include <utility>

#include "trilat/common/En_Otro_Hilo.h"

namespace Vyr_Trilat {

bool Delaunay_Adelantada::Empieza(std::vector<double> x, std::vector<double> y) {
  if (x.size() < kMinimo_Puntos || x.size() != y.size()) return false;
  for (std::size_t k = 0; k < x.size(); ++k)
    if (!Triangulacion_Delaunay::Coordenada_Admitida(x[k]) || !Triangulacion_Delaunay::Coordenada_Admitida(y[k]))
      return false;
  hecha_ = En_Otro_Hilo([x = std::move(x), y = std::move(y), posiciones = posiciones_.get_future()]() mutable {
    auto d = std::make_shared<Triangulacion_Delaunay>(x, y);
    x = {}, y = {};
    d->Renumera(posiciones.get());
    return d;
  });
  return true;
}

void Delaunay_Adelantada::Posiciones(std::vector<int> posicion) {
  if (hecha_.valid()) posiciones_.set_value(std::move(posicion));
}

std::shared_ptr<Triangulacion_Delaunay> Delaunay_Adelantada::Toma() { return hecha_.valid() ? hecha_.get() : nullptr; }

Delaunay_Adelantada::~Delaunay_Adelantada() {
  // A promise given up breaks the thread's wait for the positions; the future, destroyed next, then waits for the
  // thread (work left to this thread is simply not done).
  posiciones_ = {};
}

}  // namespace Vyr_Trilat
