// The sweep's searches answered by plain scans, exactly as the construction defines them: every triangle
// from Primer_Tri visited, every edge looked up by walking the table, every circle tested against the whole
// X-window. The reference that the indexed construction must match triangle for triangle.
#pragma once

#include "trilat/c_Triangulos/Barrido.h"

namespace Vyr_Trilat::prueba {

class Barrido_Literal : public Barrido {
 public:
  using Barrido::Barrido;

 protected:
  Long Siguiente_Visita(Long t, Long hasta, Long i) override;
  bool Marca_Lado(Long u, Long w) override;
  bool Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite, const Circulo& c,
                        double R2) override;
};

// Runs the literal construction (for c_Triangulos' construction option).
bool Construye_Literal(Estado_Triangulos& s);

}  // namespace Vyr_Trilat::prueba
