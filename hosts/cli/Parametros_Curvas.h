// The contouring values the dialogs do not remember (equidistances and colours): the host keeps them in a
// section of its own in the same settings store, and picks readable defaults for a survey's relief.
#pragma once

#include <cstdint>

namespace Vyr_Trilat::anfitrion {

struct Valores_Curvas {
  double finas = 0, maestras = 0;
  std::int32_t color_finas = 0, color_maestras = 0;
};

// Which of the values were defaults, nothing being remembered for them.
struct Elegidos {
  bool finas = false, maestras = false, color_finas = false, color_maestras = false;
};

// The remembered values; where nothing is remembered, defaults for the relief, marked in `elegidos` for the host
// to say so.
Valores_Curvas Lee_Valores_Curvas(double relieve, Elegidos& elegidos);
void Guarda_Valores_Curvas(const Valores_Curvas& v);

// The round interval (1, 2, 2.5 or 5 times a power of ten) giving at most about forty minor levels.
double Equidistancia_Legible(double relieve);

}  // namespace Vyr_Trilat::anfitrion
