#include "tests/support/Barrido_Literal.h"

namespace Vyr_Trilat::prueba {

Long Barrido_Literal::Siguiente_Visita(Long t, Long, Long) { return t; }

bool Barrido_Literal::Marca_Lado(Long u, Long w) {
  auto& T = s_.Triangs;
  for (Long t = s_.Primer_Tri; t < s_.count; ++t) {
    const auto k = static_cast<std::size_t>(t);
    if (Es_Verdadero(T.Cerrado[k])) continue;
    if (Marca_Si_Tiene(t, u, w)) return true;
  }
  return false;
}

bool Barrido_Literal::Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite,
                                       const Circulo& c, double R2) {
  for (Long k = desde; k < s_.nPuntos; ++k) {
    const XYZ& Pk = s_.Puntos_Trab[static_cast<std::size_t>(k)];
    if (salta_antes_del_limite && k == salta) continue;
    if (Pk.X > limite) break;
    if (k == salta) continue;
    if (Dentro_Del_Circulo(Pk, c, R2)) return true;
  }
  return false;
}

bool Construye_Literal(Estado_Triangulos& s) { return Barrido_Literal(s).Construye(); }

}  // namespace Vyr_Trilat::prueba
