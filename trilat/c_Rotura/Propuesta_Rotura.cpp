#include "trilat/c_Rotura/Propuesta_Rotura.h"

#include "trilat/c_Rotura/Contorno_Cortados.h"
#include "trilat/c_Rotura/Forma_Triangulos.h"
#include "trilat/c_Rotura/Lados_Cavidad.h"

namespace Vyr_Trilat {

Propuesta_Rotura Propone_Rotura(const Estado_Rotura& s, Long a, Long b, const std::vector<Long>& candidatos) {
  Propuesta_Rotura p;
  p.cortados = Busca_Cortados(s, a, b, candidatos);
  if (p.cortados.empty()) return p;
  Long nAnillo = 0;
  const HostArray<Long> Anillo = Contorno_Cortados(p.cortados, nAnillo);
  // An outline of fewer than three corners bounds no region: there is nothing to triangulate.
  if (nAnillo < 3) return p;
  p.nuevos = Forma_Triangulos(s, Lados_Cavidad(s, a, b, Anillo, nAnillo));
  return p;
}

}  // namespace Vyr_Trilat
