#include "trilat/c_Curvado/Secuencia_Control.h"

#include <cmath>

namespace Vyr_Trilat {

namespace {

Vert Medio(const Vert& a, const Vert& b) { return {0.5 * a.X + 0.5 * b.X, 0.5 * a.Y + 0.5 * b.Y}; }

// The ring starts on the middle of its first edge and ends on the vertex that closed it.
void Reescribe_Anillo(std::vector<Vert>& V) {
  const std::size_t n = V.size() - 1;
  V[0] = {(V[0].X + V[1].X) / 2, (V[0].Y + V[1].Y) / 2};
  V.push_back(V[n]);
  V[n] = {(V[n].X + V[n - 1].X) / 2, (V[n].Y + V[n - 1].Y) / 2};
}

}  // namespace

bool Es_Cerrada(const std::vector<Vert>& cadena, double tolerancia) {
  const Vert& a = cadena.front();
  const Vert& b = cadena.back();
  return std::abs(a.X - b.X) < tolerancia && std::abs(a.Y - b.Y) < tolerancia;
}

Secuencia_Control Secuencia_De(std::vector<Vert>& V, double tolerancia) {
  const bool cerrada = Es_Cerrada(V, tolerancia);
  if (cerrada) Reescribe_Anillo(V);
  const std::size_t n = V.size() - 1;

  Secuencia_Control s;
  s.X.reserve(2 * n + 5);
  s.Y.reserve(2 * n + 5);
  const auto pon = [&s](const Vert& p) {
    s.X.push_back(p.X);
    s.Y.push_back(p.Y);
  };
  pon(V[0]);
  pon(V[0]);
  pon(Medio(V[1], V[0]));
  for (std::size_t i = 1; i < n; ++i) {
    pon(Medio(V[i - 1], V[i]));
    pon(V[i]);
  }
  if (cerrada) {
    pon(V[n]);
    pon(V[0]);
  } else {
    pon(Medio(V[n - 1], V[n]));
    pon(V[n]);
  }
  const Vert ultimo{s.X.back(), s.Y.back()};
  pon(ultimo);
  pon(ultimo);
  return s;
}

}  // namespace Vyr_Trilat
