#include "trilat/c_Rotura/Cortados.h"

#include "trilat/c_Rotura/Corte_Segmentos.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

std::vector<Cortado> Busca_Cortados(const Estado_Rotura& s, Long a, Long b, const std::vector<Long>& candidatos) {
  const Vert A = s.Coord(a), B = s.Coord(b);
  std::vector<Cortado> cortados;
  const Integer sin_uso = 0;
  for (Long t : candidatos) {
    const Triang_Rot& tri = s.Triangs(t);
    const Vert P1 = s.Coord(tri.V1), P2 = s.Coord(tri.V2), P3 = s.Coord(tri.V3);
    bool entrado = false;
    const auto entra = [&]() -> Triang_Rot& {
      if (!entrado) {
        entrado = true;
        Cortado c;
        c.r.Num = tri.Num;
        c.origen = t;
        cortados.push_back(c);
      }
      Triang_Rot& r = cortados.back().r;
      r.V1 = tri.V1;
      r.V2 = tri.V2;
      r.V3 = tri.V3;
      return r;
    };
    const struct {
      const Vert &p, &q;
      Long color;
      Boolean Triang_Rot::*bandera;
    } lados[3] = {{P1, P2, kCian_Claro, &Triang_Rot::Corta12},
                  {P3, P2, kCian_Claro, &Triang_Rot::Corta23},
                  {P3, P1, kVerde_Claro, &Triang_Rot::Corta13}};
    for (const auto& l : lados) {
      const Long codigo = Corte_Segmentos(l.p.X, l.p.Y, l.q.X, l.q.Y, A.X, A.Y, B.X, B.Y);
      if (codigo == kMismo_Segmento) break;
      if (codigo != kSe_Cortan) continue;
      mDibuja::Linea_Color(l.p.X, l.p.Y, l.q.X, l.q.Y, l.color, sin_uso);
      entra().*l.bandera = True;
    }
  }
  return cortados;
}

}  // namespace Vyr_Trilat
