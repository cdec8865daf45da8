#include "trilat/c_Curvado/Trazado.h"

#include "trilat/c_Curvado/Colector_Segmentos.h"
#include "trilat/c_Curvado/Encadenador.h"
#include "trilat/c_Curvado/Niveles.h"
#include "trilat/c_Curvado/Prepara_Curva.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

namespace {

void Prepara_Puntos(Estado_Curvado& s, Long nPun, const HostArray<double>& X, const HostArray<double>& Y,
                    const HostArray<double>& Z) {
  s.Puntos.assign(static_cast<std::size_t>(nPun), {});
  for (Long j = 0; j < nPun; ++j)
    s.Puntos[static_cast<std::size_t>(j)] = {X(j + 1), Y(j + 1), Niveles::Cota_Trabajo(Z(j + 1), s.E_finas)};
}

// A corner outside the points would be read from beyond them: refused like any index out of range.
Long Posicion(Long numero, Long nPun) {
  if (numero < 1 || numero > nPun) throw RuntimeError(Err::Subscript_Out_Of_Range);
  return numero - 1;
}

void Prepara_Triangulos(Estado_Curvado& s, Long nPun, Long nTri, const HostArray<Long>& Vt1, const HostArray<Long>& Vt2,
                        const HostArray<Long>& Vt3) {
  s.Triangulos.assign(static_cast<std::size_t>(nTri) + 1, {});
  for (Long k = 0; k <= nTri; ++k)
    s.Triangulos[static_cast<std::size_t>(k)] = {Posicion(Vt1(k), nPun), Posicion(Vt2(k), nPun),
                                                 Posicion(Vt3(k), nPun)};
}

// The line's colour; sets its pen width and whether it is a major contour.
Long Estilo(Estado_Curvado& s, double cota) {
  const bool maestra = Niveles::Es_Maestra(cota, s.E_Maestras, s.E_finas);
  mDibuja::Superficie().Let_DrawWidth(maestra ? 2 : 1);
  s.Es_Maestra = A_Booleano(maestra);
  return maestra ? s.ColMaestras : s.Colfinas;
}

}  // namespace

void Traza(Estado_Curvado& s, Long nPun, const HostArray<double>& X, const HostArray<double>& Y,
           const HostArray<double>& Z, Long nTri, const HostArray<Long>& Vt1, const HostArray<Long>& Vt2,
           const HostArray<Long>& Vt3, Integer nNiveles, double cota) {
  Prepara_Puntos(s, nPun, X, Y, Z);
  Prepara_Triangulos(s, nPun, nTri, Vt1, Vt2, Vt3);

  Let_Propiedad(s.Progreso, "Visible", Variant::De_Booleano(True));
  Let_Propiedad(s.Progreso, "Min", Variant::De_Entero(0));
  Let_Propiedad(s.Progreso, "Max", Variant::De_Largo(nNiveles));

  // The levels by repeated addition of the step, the run's own: a parameters call made while the run yields does
  // not bend them.
  std::vector<double> niveles;
  for (Long i = 0; i <= nNiveles; ++i, cota = cota + s.E_finas) niveles.push_back(cota);
  Colector_Segmentos colector(s.Puntos, s.Triangulos, niveles);
  std::vector<SEGS> segs;
  std::vector<Lugares_Segmento> lugares;
  std::vector<Vert> cadena;
  for (std::size_t i = 0; i < niveles.size(); ++i) {
    Let_Propiedad(s.Progreso, "Value", Variant::De_Largo(static_cast<Long>(i)));
    colector.Segmentos(i, segs, &lugares);
    Encadenador encadenador(segs, s.Tolerancia, &lugares);
    while (encadenador.Siguiente(cadena)) {
      const Long color = Estilo(s, niveles[i]);
      Prepara_Curva(s, cadena, s.Segmentos, color, niveles[i]);
    }
  }
}

}  // namespace Vyr_Trilat
