#include "trilat/c_Rotura/Seudopoligono.h"

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

// d strictly inside the circle through a, b, c, whichever way a, b, c turn.
bool En_Circulo(const Vert& a, const Vert& b, const Vert& c, const Vert& d) {
  const int giro = Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y);
  const int dentro = Incirculo(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
  return giro > 0 ? dentro > 0 : dentro < 0;
}

}  // namespace

void Triangula_Seudopoligono(const HostArray<Vert>& Coord, Long a, Long b, std::span<const Long> cadena,
                             std::vector<Terna>& salida) {
  if (cadena.empty()) return;
  const Vert &A = Coord(a), &B = Coord(b);
  std::size_t c = 0;
  for (std::size_t i = 1; i < cadena.size(); ++i)
    if (En_Circulo(A, B, Coord(cadena[c]), Coord(cadena[i]))) c = i;
  Triangula_Seudopoligono(Coord, a, cadena[c], cadena.first(c), salida);
  Triangula_Seudopoligono(Coord, cadena[c], b, cadena.subspan(c + 1), salida);
  salida.push_back({a, b, cadena[c]});
}

}  // namespace Vyr_Trilat
