#include "trilat/c_Triangulos/Construccion.h"

#include "trilat/sibling/c_Geometria.h"

namespace Vyr_Trilat {

namespace {
// A slight turn breaks the ties of survey data laid out along the axes.
constexpr double kGiro = 0.05;
}  // namespace

Vert Gira(const Vert& origen, const Vert& p) {
  const c_Geometria geometria;
  double acimut = 0, distancia = 0;
  geometria.Acimut_Distancia(origen, p, acimut, distancia);
  return geometria.Polar(origen, acimut + kGiro, distancia);
}

void Prepara_Tablas(Estado_Triangulos& s, Long nPt, const HostArray<double>& X, const HostArray<double>& Y,
                    const HostArray<double>& Z, const HostArray<Long>& numeros, const HostArray<Long>& indices) {
  s.Puntos_Trab.assign(static_cast<std::size_t>(s.nPuntos), XYZ{});
  for (Long k = 0; k < s.nPuntos; ++k) {
    const Long n = numeros(indices(k + 1));
    s.Puntos_Trab[static_cast<std::size_t>(k)] = {X(n), Y(n), Z(n), n};
  }
  const Vert origen{s.Puntos_Trab[0].X, s.Puntos_Trab[0].Y};
  for (auto& p : s.Puntos_Trab) {
    const Vert g = Gira(origen, {p.X, p.Y});
    p.X = g.X;
    p.Y = g.Y;
  }
  s.Tolerancia = 0.0001;
  s.Conectado.assign(static_cast<std::size_t>(nPt) + 1, False);
  s.count = 0;
  s.Triangs.Dimensiona(500);
  s.Primer_Tri = 0;
  s.Primer_Pto = 0;
}

void Escribe_Salida(const Estado_Triangulos& s, Long& nTri, HostArray<Long>& Vt1, HostArray<Long>& Vt2,
                    HostArray<Long>& Vt3) {
  Vt1.ReDim(0, s.count);
  Vt2.ReDim(0, s.count);
  Vt3.ReDim(0, s.count);
  Long m = -1;
  const auto& t = s.Triangs;
  for (Long k = 0; k < s.count; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (Es_Verdadero(t.Excluido[i])) continue;
    ++m;
    Vt1(m) = s.Puntos_Trab[static_cast<std::size_t>(t.V1[i])].n;
    Vt2(m) = s.Puntos_Trab[static_cast<std::size_t>(t.V2[i])].n;
    Vt3(m) = s.Puntos_Trab[static_cast<std::size_t>(t.V3[i])].n;
  }
  nTri = m;
  if (m >= 1) {
    Vt1.ReDim_Preserve(0, m);
    Vt2.ReDim_Preserve(0, m);
    Vt3.ReDim_Preserve(0, m);
  } else {
    nTri = 0;
  }
}

}  // namespace Vyr_Trilat
