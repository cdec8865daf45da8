#include "tests/support/Curvado_Literal.h"

#include <cmath>

#include "trilat/c_Curvado/Niveles.h"
#include "trilat/c_Curvado/Secuencia_Control.h"

namespace Vyr_Trilat::prueba {

std::vector<SEGS> Segmentos_Literales(const std::vector<Pto3D>& puntos, const std::vector<Esquinas>& triangulos,
                                      double cota) {
  std::vector<SEGS> segs;
  for (const Esquinas& t : triangulos)
    if (const auto s = Corta_Triangulo(puntos, t, cota)) segs.push_back(*s);
  return segs;
}

std::vector<std::vector<Vert>> Cadenas_Literales(std::vector<SEGS> segs, double tolerancia) {
  const auto toca = [tolerancia](const Vert& a, double x, double y) {
    return std::abs(a.X - x) < tolerancia && std::abs(a.Y - y) < tolerancia;
  };
  std::vector<std::vector<Vert>> cadenas;
  while (!segs.empty()) {
    std::vector<Vert> c{{segs[0].X1, segs[0].Y1}, {segs[0].X2, segs[0].Y2}};
    segs.erase(segs.begin());
    std::size_t j = 0;
    while (j < segs.size()) {
      const SEGS s = segs[j];
      if (toca(c.front(), s.X1, s.Y1)) {
        c.insert(c.begin(), {s.X2, s.Y2});
      } else if (toca(c.front(), s.X2, s.Y2)) {
        c.insert(c.begin(), {s.X1, s.Y1});
      } else if (toca(c.back(), s.X1, s.Y1)) {
        c.push_back({s.X2, s.Y2});
      } else if (toca(c.back(), s.X2, s.Y2)) {
        c.push_back({s.X1, s.Y1});
      } else {
        ++j;
        continue;
      }
      segs.erase(segs.begin() + static_cast<std::ptrdiff_t>(j));
      j = 0;
    }
    cadenas.push_back(std::move(c));
  }
  return cadenas;
}

std::vector<Pto3D> Puntos_De_Trabajo(const Modelo& m, double e_finas) {
  std::vector<Pto3D> p;
  for (Long i = 1; i <= m.nPun; ++i) p.push_back({m.X(i), m.Y(i), Niveles::Cota_Trabajo(m.Z(i), e_finas)});
  return p;
}

std::vector<Esquinas> Esquinas_De(const Modelo& m) {
  std::vector<Esquinas> t;
  for (Long k = 0; k <= m.nTri; ++k) t.push_back({m.Vt1(k) - 1, m.Vt2(k) - 1, m.Vt3(k) - 1});
  return t;
}

std::vector<Curva> Curvas_Literales(const Modelo& m, const Ajustes_Curvado& a) {
  const std::vector<Pto3D> puntos = Puntos_De_Trabajo(m, a.e_finas);
  const std::vector<Esquinas> triangulos = Esquinas_De(m);
  const Integer n = Niveles::Numero_Niveles(m.Z_Max(), m.Z_Min(), a.e_finas);
  double cota = Niveles::Primer_Nivel(m.Z_Min(), a.e_finas);
  std::vector<Curva> curvas;
  for (Long i = 0; i <= n; ++i) {
    const bool maestra = Niveles::Es_Maestra(cota, a.e_maestras, a.e_finas);
    for (std::vector<Vert>& cadena : Cadenas_Literales(Segmentos_Literales(puntos, triangulos, cota), 0.001)) {
      const Secuencia_Control s = Secuencia_De(cadena, 0.001);
      Curva c;
      c.Ultimo = s.nCtrl() - 1;
      c.Vertices.ReDim(0, c.Ultimo);
      for (Long k = 0; k <= c.Ultimo; ++k) c.Vertices(k) = {s.X[k], s.Y[k], cota};
      c.Color = maestra ? a.colmaestras : a.colfinas;
      c.Maestra = A_Booleano(maestra);
      curvas.push_back(std::move(c));
    }
    cota = cota + a.e_finas;
  }
  return curvas;
}

}  // namespace Vyr_Trilat::prueba
