#include "tests/support/Rotura_Literal.h"

#include <algorithm>
#include <numeric>

#include "trilat/c_Rotura/Propuesta_Rotura.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat::prueba {

namespace {

void Toda_La_Tabla(const Estado_Rotura& s, std::vector<Long>& posiciones) {
  posiciones.resize(static_cast<std::size_t>(s.Triangs.UBound()));
  std::iota(posiciones.begin(), posiciones.end(), 1);
}

}  // namespace

bool Busqueda_Literal::Busca_Vertice(Long& P) {
  const Long n = s_.Triangs.UBound();
  for (Long t = 1; t <= n; ++t) {
    const Triang_Rot& r = s_.Triangs(t);
    if (r.V3 == P || r.V2 == P || r.V1 == P) return true;
  }
  for (Long t = 1; t <= n; ++t) {
    const Triang_Rot& r = s_.Triangs(t);
    for (Long C : {r.V1, r.V2, r.V3}) {
      if (s_.Coord(P).X + 0.001 > s_.Coord(C).X && s_.Coord(P).X - 0.001 < s_.Coord(C).X &&
          s_.Coord(P).Y + 0.001 > s_.Coord(C).Y && s_.Coord(P).Y - 0.001 < s_.Coord(C).Y) {
        P = C;
        return true;
      }
    }
  }
  return false;
}

void Busqueda_Literal::Cortables(const Vert&, const Vert&, std::vector<Long>& posiciones) {
  Toda_La_Tabla(s_, posiciones);
}

void Busqueda_Literal::Cercanos(const Vert&, const Vert&, std::vector<Long>& posiciones) {
  Toda_La_Tabla(s_, posiciones);
}

std::unique_ptr<Busqueda_Rotura> Crea_Busqueda_Literal(const Estado_Rotura& s) {
  return std::make_unique<Busqueda_Literal>(s);
}

std::vector<Triang_Rot> Mete_Roturas_Literal(Estado_Rotura& s) {
  std::vector<Triang_Rot> salida;
  mDibuja::Superficie().Let_ForeColor(s.tricolor);
  mDibuja::Superficie().Let_DrawWidth(1);
  std::vector<Long> todos;
  for (Long k = 1; k <= s.nRoturas; ++k) {
    Toda_La_Tabla(s, todos);
    const Propuesta_Rotura p = Propone_Rotura(s, s.Roturas(k).P1, s.Roturas(k).P2, todos);
    for (std::size_t i = 0; i < std::min(p.cortados.size(), p.nuevos.size()); ++i) {
      Triang_Rot& t = s.Triangs(p.cortados[i].origen);
      t.V1 = p.nuevos[i][0];
      t.V2 = p.nuevos[i][1];
      t.V3 = p.nuevos[i][2];
      salida.push_back(t);
    }
  }
  mDibuja::Superficie().Let_ForeColor(s.tricolor);
  return salida;
}

}  // namespace Vyr_Trilat::prueba
