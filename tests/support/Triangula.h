// Runs c_Triangulos on a generated point set as a host would, with recording stand-ins.
#pragma once

#include <memory>
#include <vector>

#include "tests/support/Generadores.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Verificador.h"
#include "trilat/c_Triangulos/c_Triangulos.h"

namespace Vyr_Trilat::prueba {

struct Resultado {
  Long nTri = -7;  // a value the host passed, to see whether the run wrote it
  HostArray<Long> Vt1, Vt2, Vt3;
  std::vector<Tri> tris;
  std::vector<Mensaje> mensajes;
};

// The host's arrays for a point set: 1-based, every point active.
struct Arrays_Anfitrion {
  explicit Arrays_Anfitrion(const Nube& c);
  Long nPt;
  HostArray<double> X, Y, Z;
  HostArray<Boolean> Actic;
};

// Hands a recording surface and progress object to the instance.
void Prepara_Dibujo(c_Triangulos& t, std::shared_ptr<Superficie_Grabadora> sup = nullptr,
                    std::shared_ptr<Progreso_Grabador> prog = nullptr);

// Hands recording stand-ins to the instance and sets the maximum side without the dialog.
void Prepara(c_Triangulos& t, double dist_max);

// Calcula_Triangulos2 on the host's arrays, with the messages it showed.
Resultado Calcula(c_Triangulos& t, Arrays_Anfitrion& a);

// A fresh, prepared instance on every point of the set.
Resultado Triangula(const Nube& c, double dist_max);

}  // namespace Vyr_Trilat::prueba
