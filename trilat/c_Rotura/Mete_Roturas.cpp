#include "trilat/c_Rotura/Mete_Roturas.h"

#include <algorithm>

#include "trilat/c_Rotura/Corredor.h"
#include "trilat/c_Rotura/Propuesta_Rotura.h"
#include "trilat/c_Rotura/Seudopoligono.h"
#include "trilat/c_Rotura/Vertices_En_Segmento.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

namespace {

class Forzado {
 public:
  Forzado(Estado_Rotura& s, Busqueda_Rotura& busqueda, std::vector<Triang_Rot>& salida)
      : s_(s), busqueda_(busqueda), salida_(salida) {}

  // A segment of Roturas: split at the vertices on it.
  void Segmento(Long a, Long b) {
    busqueda_.Cercanos(s_.Coord(a), s_.Coord(b), cercanos_);
    Piezas(a, b, Vertices_En_Segmento(s_, cercanos_, a, b, Prueba_Linea::Cercana));
  }

 private:
  void Piezas(Long a, Long b, const std::vector<Long>& en_medio) {
    if (!en_medio.empty()) ++s_.Cuentas.Partidos;
    Long desde = a;
    for (Long v : en_medio) {
      Pieza(desde, v);
      desde = v;
    }
    Pieza(desde, b);
  }

  void Pieza(Long a, Long b) {
    busqueda_.Cortables(s_.Coord(a), s_.Coord(b), candidatos_);
    Propuesta_Rotura p = Propone_Rotura(s_, a, b, candidatos_);
    if (p.cortados.empty()) {
      // The procedure's segment test tilts an edge along an axis by 0.001, and so misses the triangles that a piece
      // from a point beside such an edge crosses: only the exact walk can tell that there is nothing to force. A
      // piece that already is an edge (as most of a survey's strings are) needs no walk.
      if (Es_Arista(s_, candidatos_, a, b)) {
        ++s_.Cuentas.Sin_Cortes;
      } else {
        Por_Corredor(a, b, s_.Cuentas.Sin_Cortes, s_.Cuentas.Sin_Cortes);
      }
      return;
    }
    std::vector<Terna> viejos;
    for (const Cortado& c : p.cortados) viejos.push_back({c.r.V1, c.r.V2, c.r.V3});
    if (Es_Retriangulacion(s_.Coord, viejos, p.nuevos, a, b)) {
      for (std::size_t k = 0; k < p.cortados.size(); ++k) Escribe(p.cortados[k].origen, p.nuevos[k]);
      ++s_.Cuentas.Aceptados;
      return;
    }
    Por_Corredor(a, b, s_.Cuentas.Ya_Aristas, s_.Cuentas.Sin_Forzar);
  }

  // `ya_hecho` counts a piece that already is an edge or has no length, `sin_corredor` one that leaves the area.
  void Por_Corredor(Long a, Long b, Long& ya_hecho, Long& sin_corredor) {
    const Vert &A = s_.Coord(a), &B = s_.Coord(b);
    if (A.X == B.X && A.Y == B.Y) {
      ++ya_hecho;
      return;
    }
    busqueda_.Cercanos(A, B, cercanos_);
    const std::vector<Long> en_medio = Vertices_En_Segmento(s_, cercanos_, a, b, Prueba_Linea::Exacta);
    if (!en_medio.empty()) {
      Piezas(a, b, en_medio);
      return;
    }
    if (Es_Arista(s_, cercanos_, a, b)) {
      ++ya_hecho;
      return;
    }
    const auto corredor = Busca_Corredor(s_, cercanos_, a, b);
    std::vector<Terna> viejos, nuevos;
    if (corredor) {
      for (Long t : corredor->triangulos) viejos.push_back({s_.Triangs(t).V1, s_.Triangs(t).V2, s_.Triangs(t).V3});
      Triangula_Seudopoligono(s_.Coord, a, b, corredor->izquierda, nuevos);
      Triangula_Seudopoligono(s_.Coord, a, b, corredor->derecha, nuevos);
    }
    if (!corredor || !Es_Retriangulacion(s_.Coord, viejos, nuevos, a, b)) {
      ++sin_corredor;
      return;
    }
    // A fixed order that does not depend on how the corridor was walked.
    for (Terna& t : nuevos) std::sort(t.begin(), t.end());
    std::sort(nuevos.begin(), nuevos.end());
    std::vector<Long> lugares = corredor->triangulos;
    std::sort(lugares.begin(), lugares.end());
    for (std::size_t k = 0; k < lugares.size(); ++k) Escribe(lugares[k], nuevos[k]);
    if (Es_Verdadero(s_.Formacion)) Dibuja(a, b, nuevos);
    ++s_.Cuentas.Corredores;
  }

  void Escribe(Long t, const Terna& e) {
    Triang_Rot& r = s_.Triangs(t);
    r.V1 = e[0];
    r.V2 = e[1];
    r.V3 = e[2];
    busqueda_.Cambiado(t);
    Triang_Rot registro;
    registro.V1 = e[0];
    registro.V2 = e[1];
    registro.V3 = e[2];
    registro.Num = r.Num;
    salida_.push_back(registro);
  }

  // The piece and its new triangles in tricolor, as the forcing draws what it forms.
  void Dibuja(Long a, Long b, const std::vector<Terna>& nuevos) {
    PictureBox& draww = mDibuja::Superficie();
    draww.Let_ForeColor(s_.tricolor);
    draww.Let_DrawWidth(1);
    const Vert &A = s_.Coord(a), &B = s_.Coord(b);
    mDibuja::Linea(A.X, A.Y, B.X, B.Y);
    for (const Terna& t : nuevos) {
      const Vert &P = s_.Coord(t[0]), &Q = s_.Coord(t[1]), &R = s_.Coord(t[2]);
      mDibuja::Triangulo(P.X, P.Y, Q.X, Q.Y, R.X, R.Y);
    }
  }

  Estado_Rotura& s_;
  Busqueda_Rotura& busqueda_;
  std::vector<Triang_Rot>& salida_;
  std::vector<Long> candidatos_, cercanos_;
};

}  // namespace

std::vector<Triang_Rot> Mete_Roturas(Estado_Rotura& s, Busqueda_Rotura& busqueda) {
  std::vector<Triang_Rot> salida;
  PictureBox& draww = mDibuja::Superficie();
  draww.Let_ForeColor(s.tricolor);
  draww.Let_DrawWidth(1);
  Forzado forzado(s, busqueda, salida);
  for (Long k = 1; k <= s.nRoturas; ++k) forzado.Segmento(s.Roturas(k).P1, s.Roturas(k).P2);
  mDibuja::Superficie().Let_ForeColor(s.tricolor);
  return salida;
}

}  // namespace Vyr_Trilat
