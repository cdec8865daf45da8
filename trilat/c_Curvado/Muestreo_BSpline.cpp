#include "trilat/c_Curvado/Muestreo_BSpline.h"

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

// The four basis weights at t, each evaluated as written, powers as repeated products, left to right.
struct Base {
  double b0, b1, b2, b3;
  explicit Base(double t)
      : b0(-(t * t * t) / 6 + t * t / 2 - t / 2 + 1.0 / 6),
        b1(t * t * t / 2 - t * t + 2.0 / 3),
        b2((-(t * t * t) + t * t + t) / 2 + 1.0 / 6),
        b3(t * t * t / 6) {}
};

}  // namespace

std::vector<Pto3D> Muestrea(const Secuencia_Control& c, Long segmentos, double cota) {
  if (segmentos == 0) throw RuntimeError(Err::Division_By_Zero);
  if (segmentos < 0) throw RuntimeError(Err::Invalid_Call);
  const auto tramos = static_cast<std::size_t>(c.nCtrl() - 3);
  const auto por_tramo = static_cast<std::size_t>(segmentos) + 1;
  std::vector<Pto3D> m;
  m.reserve(1 + tramos * por_tramo);
  m.push_back({c.X[0], c.Y[0], cota});
  for (std::size_t j = 1; j <= tramos; ++j) {
    for (Long k = 0; k <= segmentos; ++k) {
      const Base b(static_cast<double>(k) / static_cast<double>(segmentos));
      const double x = b.b1 * c.X[j] + b.b0 * c.X[j - 1] + b.b2 * c.X[j + 1] + b.b3 * c.X[j + 2];
      const double y = b.b1 * c.Y[j] + b.b0 * c.Y[j - 1] + b.b2 * c.Y[j + 1] + b.b3 * c.Y[j + 2];
      m.push_back({x, y, cota});
    }
  }
  return m;
}

}  // namespace Vyr_Trilat
