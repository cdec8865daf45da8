#include "trilat/c_Triangulos/Construccion.h"

#include <algorithm>

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
  s.Puntos_Anfitrion.assign(static_cast<std::size_t>(s.nPuntos), Vert{});
  s.Delaunay.reset();
  for (Long k = 0; k < s.nPuntos; ++k) {
    const Long n = numeros(indices(k + 1));
    s.Puntos_Trab[static_cast<std::size_t>(k)] = {X(n), Y(n), Z(n), n};
    s.Puntos_Anfitrion[static_cast<std::size_t>(k)] = {X(n), Y(n)};
  }
  const Vert origen{s.Puntos_Trab[0].X, s.Puntos_Trab[0].Y};
  for (auto& p : s.Puntos_Trab) {
    const Vert g = Gira(origen, {p.X, p.Y});
    p.X = g.X;
    p.Y = g.Y;
  }
  s.Tolerancia = kHolgura_Circulo;
  s.Conectado.assign(static_cast<std::size_t>(nPt) + 1, False);
  s.count = 0;
  s.Triangs.Dimensiona(500);
  s.Primer_Tri = 0;
  s.Primer_Pto = 0;
}

void Escribe_Salida(const Estado_Triangulos& s, const Modelo& m, Long& nTri, HostArray<Long>& Vt1, HostArray<Long>& Vt2,
                    HostArray<Long>& Vt3) {
  const Long total = static_cast<Long>(m.triangulos.size());
  const Long limite = std::max(s.count, total);
  Vt1.ReDim(0, limite);
  Vt2.ReDim(0, limite);
  Vt3.ReDim(0, limite);
  const auto numero = [&](Long k) { return s.Puntos_Trab[static_cast<std::size_t>(k)].n; };
  for (Long t = 0; t < total; ++t) {
    const auto& v = m.triangulos[static_cast<std::size_t>(t)];
    Vt1(t) = numero(v[0]);
    Vt2(t) = numero(v[1]);
    Vt3(t) = numero(v[2]);
  }
  nTri = total - 1;
  if (nTri >= 1) {
    Vt1.ReDim_Preserve(0, nTri);
    Vt2.ReDim_Preserve(0, nTri);
    Vt3.ReDim_Preserve(0, nTri);
  } else {
    nTri = 0;
  }
}

}  // namespace Vyr_Trilat
