// c_Curvado: cuts the host's terrain model with horizontal planes into contour lines, minor ones every E_finas
// and major ones at every multiple of E_Maestras, optionally smoothed, draws them on the host's picture box in
// their colours and keeps them in a record that the host reads back and may hand back for a repaint.
#pragma once

#include "trilat/c_Curvado/Estado_Curvado.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Object.h"

namespace Vyr_Trilat {

class c_Curvado {
 public:
  // The largest difference of elevation over the points that contouring takes.
  static constexpr double kDesnivel_Maximo = 32000;
  // A deep copy of the record, its count set to the lines stored by the end of the last completed run.
  Datos_Curvas Get_Curvas() const;
  // Replaces the record with a deep copy of dd; the parameters and the stored-line counter stay as they are.
  void Let_Curvas(const Datos_Curvas& dd);

  void Parametros_Curvado(double Mdt_MaxZ, double Mdt_MinZ, Boolean& Show);

  // Parameters from the dialog, shown when Show is True. Zero equidistances become 5 (major) and 1 (minor); the
  // equidistances and colours the instance takes are written back. Each failing step is skipped.
  void Parametros_Curvado1(double Mdt_MaxZ, double Mdt_MinZ, Boolean& Show, double& E_finas, double& E_Maestras,
                           Long& Colfinas, Long& ColMaestras);

  // The dialog's remembered choices as a user would accept them, for the next run only: the settings store is
  // not touched. For hosts that take them from elsewhere (a command line) after Parametros_Curvado1.
  void Parametros_Directos(Long segmentos, Boolean suavizar, Boolean dibuja_curvas);

  // The view and picture box for every class of the library on this thread; the progress object for this one.
  void Param_Dibujo(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww, ObjectRef& Progreso);

  void Curvado_calcula(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                       HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3);
  void Curvado_repinta(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                       HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela);

  // Repeats a run with the settings of the record; No_dibujes True draws the polylines. Cancela is not used.
  void Curvado_repinta1(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                        HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela,
                        Boolean& No_dibujes);

  // Traces, draws and stores the contour lines of points 1 to nPun and triangles 0 to nTri. Cancela becomes True
  // when the dialog was cancelled. Reports its own failures; lines stored before one stay stored.
  void Curvado_calcula1(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                        HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela);

  // The parameters the next run will use and what the last one left, for inspection (the record only takes the
  // parameters when a run starts).
  const Estado_Curvado& Estado() const { return s_; }

 private:
  void Calcula(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
               HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela);
  void Apaga_Redibujo();
  void Enciende_Redibujo();

  Estado_Curvado s_;
  // The run has switched the picture box's automatic redraw off and not yet back on.
  bool redibujo_apagado_ = false;
};

}  // namespace Vyr_Trilat
