// c_Triangulos: builds the terrain model (a triangulation of the host's active points) by a sweep in X order
// with an empty-circumcircle rule, leaves out triangles with a side longer than the maximum distance, and
// returns the triangles as three parallel arrays of host point numbers. It can draw the triangles as they form
// and drives the host's progress bar; the host may abort it from its message loop.
#pragma once

#include "trilat/c_Triangulos/Estado_Triangulos.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Object.h"

namespace Vyr_Trilat {

class c_Triangulos {
 public:
  // How the triangles are built from the prepared working tables; false when the abort flag stopped it.
  using Construccion = bool (*)(Estado_Triangulos&);
  // A point nearer than this (plane distance) to a point kept before it is dropped as a repeat of that one.
  static constexpr double kTolerancia_Depuracion = 0.02;

  c_Triangulos();
  // With another construction of the same triangles (tests compare the indexed one with the plain scans).
  explicit c_Triangulos(Construccion construye) : construye_(construye) {}

  void A_ABORTA(const Boolean& abortar);
  void CuantoVaYa(Long& Cuantos, Long& deptos) const;
  void CalculaContornos(Long& iNoCont, HostArray<Long>& iV1, HostArray<Long>& iV2) const;

  void Param_Dibujo(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww, ObjectRef& Progreso);
  void Param_Dibujo1(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww, ObjectRef& Progreso);

  void Parametros_Triangulacion(double MaxZ, double MinZ, Boolean& Show);
  void Parametros_Triangulacion1(double MaxZ, double MinZ, Boolean& Show, Boolean& Cancela);
  void Parametros_Triangulacion2(double MaxZ, double MinZ, Boolean& Show, Boolean& Cancela, Long& colortri);

  // Parameters from the dialog (shown when Show is True) or, silently, from its remembered settings.
  void Parametros_Triangulacion3(double MaxZ, double MinZ, Boolean& Show, Boolean& Cancela, Long& colortri,
                                 const Boolean& Formacion = True);

  // The values a user would accept in the dialog, for one run: remembered settings are not touched.
  void Parametros_Directos(double dist_max, Boolean ver_formacion, Long color_tri);

  void Calcula_Triangulos(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long& nTri,
                          HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Long& iNoCont,
                          HostArray<Long>& iV1, HostArray<Long>& iV2);
  void Calcula_Triangulos1(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long& nTri,
                           HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Long& iNoCont,
                           HostArray<Long>& iV1, HostArray<Long>& iV2, double& distan);
  void Calcula_Triangulos2(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                           HostArray<Boolean>& Actic, Long& nTri, HostArray<Long>& Vt1, HostArray<Long>& Vt2,
                           HostArray<Long>& Vt3, Long& iNoCont, HostArray<Long>& iV1, HostArray<Long>& iV2,
                           double& distan);

  // P strictly inside the circumcircle of 1-2-3, with this instance's tolerance. PIN is neither read nor written.
  Boolean inCircle0(double Xp, double Yp, double X1, double Y1, double X2, double Y2, double X3, double Y3,
                    Boolean* PIN = nullptr);

  // What the last run built and what the last in-circle test left, for inspection.
  const Estado_Triangulos& Estado() const { return s_; }

 private:
  // Steps before the construction; false when a message ended the run.
  bool Selecciona_y_Ordena(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                           HostArray<Boolean>& Actic);

  Construccion construye_;
  Estado_Triangulos s_;
  double Cota_Max_ = 0, Cota_Min_ = 0;
  Boolean Aceptado_ = False, Cancelado_ = False;
  Long iNoCont_ = 0;
  HostArray<Long> iV1_, iV2_;
  // Selection of the last run, positions 1 to n: host numbers and the sweep order.
  HostArray<Long> numeros_, indices_;
};

}  // namespace Vyr_Trilat
