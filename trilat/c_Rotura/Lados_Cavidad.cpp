#include "trilat/c_Rotura/Lados_Cavidad.h"

#include <algorithm>

#include "trilat/c_Rotura/Corte_Segmentos.h"
#include "trilat/c_Rotura/Pto_en_Poligono.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

namespace {

class Cavidad {
 public:
  Cavidad(const Estado_Rotura& s, const HostArray<Long>& Anillo, Long nAnillo)
      : s_(s), Anillo_(Anillo), nAnillo_(nAnillo) {}

  std::vector<Lado> lados;

  // The diagonal from E to V, tried by the outline's sides j - 1 to j (2 to nAnillo) as the first segment of the
  // test when `contra_contorno`, then by every listed edge, then by its midpoint.
  bool Prueba(Long E, Long V, bool contra_contorno) {
    const Vert e = s_.Coord(E), v = s_.Coord(V);
    // A diagonal is refused when any one of these edges blocks it, whichever is tried first. Neighbouring diagonals
    // are mostly blocked by the same edge or by one listed beside it: the search starts at the edge that blocked
    // last and works outwards. Otherwise a long cavity, whose refused diagonals are many, would cost the cube of
    // its size.
    const auto bloqueada = [&](std::size_t n, std::size_t& ultimo, auto&& corta) {
      const std::size_t centro = std::min(ultimo, n);
      for (std::size_t d = 0; d <= std::max(centro, n - centro); ++d) {
        if (centro + d < n && corta(centro + d)) return ultimo = centro + d, true;
        if (d > 0 && d <= centro && corta(centro - d)) return ultimo = centro - d, true;
      }
      return false;
    };
    if (contra_contorno && bloqueada(static_cast<std::size_t>(nAnillo_ - 1), ultimo_lado_, [&](std::size_t k) {
          const auto j = static_cast<Long>(k) + 2;
          const Vert p = s_.Coord(Anillo_(j - 1)), q = s_.Coord(Anillo_(j));
          return Bloquea(Corte_Segmentos(p.X, p.Y, q.X, q.Y, e.X, e.Y, v.X, v.Y));
        }))
      return false;
    if (bloqueada(lados.size(), ultimo_listado_, [&](std::size_t k) {
          const Vert p = s_.Coord(lados[k].P1), q = s_.Coord(lados[k].P2);
          return Bloquea(Corte_Segmentos(e.X, e.Y, v.X, v.Y, p.X, p.Y, q.X, q.Y));
        }))
      return false;
    Long Loc = 0;
    if (!Es_Verdadero(Pto_en_Poligono(s_.Coord, Anillo_, nAnillo_, (e.X + v.X) / 2, (e.Y + v.Y) / 2, &Loc)))
      return false;
    lados.push_back({E, V});
    return true;
  }

 private:
  static bool Bloquea(Long codigo) { return codigo == kSe_Cortan || codigo == kMismo_Segmento; }

  const Estado_Rotura& s_;
  const HostArray<Long>& Anillo_;
  Long nAnillo_;
  // The outline side and the listed edge that last refused a diagonal.
  std::size_t ultimo_lado_ = 0, ultimo_listado_ = 0;
};

}  // namespace

std::vector<Lado> Lados_Cavidad(const Estado_Rotura& s, Long a, Long b, const HostArray<Long>& Anillo, Long nAnillo) {
  Cavidad c(s, Anillo, nAnillo);
  c.lados.push_back({a, b});
  for (Long i = 2; i <= nAnillo; ++i) c.lados.push_back({Anillo(i - 1), Anillo(i)});
  c.lados.push_back({Anillo(nAnillo), Anillo(1)});
  std::vector<bool> unido(static_cast<std::size_t>(nAnillo) + 1, false);
  for (Long i = 1; i <= nAnillo; ++i) unido[static_cast<std::size_t>(i)] = Anillo(i) == a || Anillo(i) == b;

  PictureBox& draww = mDibuja::Superficie();
  if (Es_Verdadero(s.Formacion)) {
    draww.Let_ForeColor(s.tricolor);
    draww.Let_DrawWidth(1);
    for (const Lado& l : c.lados) {
      const Vert p = s.Coord(l.P1), q = s.Coord(l.P2);
      mDibuja::Linea(p.X, p.Y, q.X, q.Y);
    }
    draww.Let_DrawWidth(1);
  }
  draww.Let_ForeColor(s.tricolor);
  draww.Let_DrawWidth(1);

  for (Long i = 1; i <= nAnillo; ++i) {
    if (unido[static_cast<std::size_t>(i)]) continue;
    if (c.Prueba(a, Anillo(i), true)) unido[static_cast<std::size_t>(i)] = true;
    if (c.Prueba(b, Anillo(i), true)) unido[static_cast<std::size_t>(i)] = true;
  }
  for (Long i = 1; i <= nAnillo; ++i)
    for (Long j = i + 1; j <= nAnillo; ++j) c.Prueba(Anillo(i), Anillo(j), false);
  return c.lados;
}

}  // namespace Vyr_Trilat
