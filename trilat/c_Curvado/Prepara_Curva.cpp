#include "trilat/c_Curvado/Prepara_Curva.h"

#include "trilat/c_Curvado/Dibujo_Curvas.h"
#include "trilat/platform/DoEvents.h"

namespace Vyr_Trilat {

void Prepara_Curva(Estado_Curvado& s, std::vector<Vert>& cadena, Long segmentos, Long color, double cota) {
  const Secuencia_Control c = Secuencia_De(cadena, s.Tolerancia);
  DoEvents();
  if (s.Suavizar != False) {
    Curva_Suave(s, c, segmentos, color, cota);
  } else {
    Curva_Recta(s, c, cota, color);
  }
}

}  // namespace Vyr_Trilat
