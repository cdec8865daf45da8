// c_Rotura: forces breaklines (ridges, kerbs, banks: lines the terrain model must not cut across) into a
// triangulation the host holds, one segment or every segment of a set of polylines, rewriting the crossed
// triangles in place in the host's arrays so that the number of triangles never changes. Draws as it works.
#pragma once

#include "trilat/c_Rotura/Busqueda_Rotura.h"
#include "trilat/c_Rotura/Estado_Rotura.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Object.h"
#include "trilat/sibling/Polilinea.h"

namespace Vyr_Trilat {

class c_Rotura {
 public:
  c_Rotura();
  // With other searches over the working tables (tests compare the indexed ones with plain scans).
  explicit c_Rotura(Fabrica_Busqueda busqueda) : crea_busqueda_(busqueda) {}

  // Accepts its arguments and does nothing: hosts hand the drawing state over with Param_Dibujo1.
  void Param_Dibujo(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww,
                    ObjectRef* Progreso = nullptr);

  // The view and picture box for every class of the library on this thread, this instance's colour, and whether
  // to draw what the forcing forms (the "Formacion" setting of the triangulation dialog). Progreso is ignored.
  // Reports its own failures; the steps done before one stay done.
  void Param_Dibujo1(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww, Long& tricolor,
                     ObjectRef* Progreso = nullptr);

  // Loads the working point table, which Pto_en_Poligono reads.
  void Mete_Triang_con_Rotura(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>& Z1, Long& nTri,
                              HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3);

  // Forces the breakline from point Pto1 to point Pto2. Returns silently when it already is an edge or an end is
  // not a triangulation vertex (nor within 0.001 of one).
  void Calcula_Triang_con_Rotura(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>& Z1,
                                 Long& nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3, Long Pto1,
                                 Long Pto2);

  // Forces every segment of the polylines Pol(1) to Pol(nPol), all in one pass.
  void Calcula_Triang_con_Polilineas(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>& Z1,
                                     Long& nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3,
                                     Long nPol, HostArray<Polilinea>& Pol);

  // Whether (xPt, yTt) lies inside the polygon of working points Vert(1) ... Vert(nVrt); Vert(0) anchors the
  // 0.01 grid of the test. See Pto_en_Poligono.h for the border rules and Loc.
  Boolean Pto_en_Poligono(HostArray<Long>& Vert, Long nVrt, double& xPt, double& yTt, Long* Loc = nullptr);

  // Answers False and touches nothing.
  Boolean Pto_en_Poligono_0(HostArray<Long>& Vert, Long nVrt, double& xPt, double& ypT, Long* Loc = nullptr);

  // The working tables and counts of the last calls, for inspection.
  const Estado_Rotura& Estado() const { return s_; }

 private:
  // The validation of a forcing call; false when a message ended it.
  bool Valida(Long nPt, Long nTri);
  // Rebuilds Triangs from the host's triangles; stops (false) at the first that has Pto1-Pto2 as an edge when
  // `busca_arista`.
  bool Copia_Triangulos(Long nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3, bool busca_arista,
                        Long Pto1, Long Pto2);
  void Copia_Puntos(Long nPt, HostArray<double>& X1, HostArray<double>& Y1);
  // Forces Roturas and writes the replacement records into the host's arrays.
  void Fuerza(Busqueda_Rotura& busqueda, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3);

  Fabrica_Busqueda crea_busqueda_;
  Estado_Rotura s_;
};

}  // namespace Vyr_Trilat
