#include "trilat/c_Rotura/Forma_Triangulos.h"

#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

std::vector<std::array<Long, 3>> Forma_Triangulos(const Estado_Rotura& s, const std::vector<Lado>& lados) {
  PictureBox& draww = mDibuja::Superficie();
  const bool formacion = Es_Verdadero(s.Formacion);
  draww.Let_ForeColor(s.tricolor);
  draww.Let_DrawWidth(1);
  if (formacion) {
    for (const Lado& l : lados) {
      const Vert p = s.Coord(l.P1), q = s.Coord(l.P2);
      mDibuja::Linea(p.X, p.Y, q.X, q.Y);
    }
  }
  draww.Let_DrawWidth(1);

  std::vector<std::array<Long, 3>> nuevos;
  std::vector<Long> de_p, de_q;
  for (std::size_t k = 0; k < lados.size(); ++k) {
    draww.Let_ForeColor(s.tricolor);
    const Long p = lados[k].P1, q = lados[k].P2;
    de_p.clear();
    de_q.clear();
    for (std::size_t m = k + 1; m < lados.size(); ++m) {
      if (lados[m].P1 == p) {
        de_p.push_back(lados[m].P2);
      } else if (lados[m].P2 == p) {
        de_p.push_back(lados[m].P1);
      }
      if (lados[m].P1 == q) {
        de_q.push_back(lados[m].P2);
      } else if (lados[m].P2 == q) {
        de_q.push_back(lados[m].P1);
      }
    }
    for (Long r : de_p) {
      for (Long r2 : de_q) {
        if (r != r2) continue;
        nuevos.push_back({p, q, r});
        if (!formacion) continue;
        const Vert P = s.Coord(p), Q = s.Coord(q), R = s.Coord(r);
        mDibuja::Triangulo(P.X, P.Y, Q.X, Q.Y, R.X, R.Y);
        mDibuja::Punto(((R.X + Q.X) / 2 + P.X) / 2, ((R.Y + Q.Y) / 2 + P.Y) / 2, s.tricolor);
      }
    }
  }
  draww.Let_DrawWidth(1);
  return nuevos;
}

}  // namespace Vyr_Trilat
