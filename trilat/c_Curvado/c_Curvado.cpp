#include "trilat/c_Curvado/c_Curvado.h"

#include <new>

#include "trilat/c_Curvado/Niveles.h"
#include "trilat/c_Curvado/Trazado.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/dialogs/Numeros_Dialogo.h"
#include "trilat/dialogs/f_Curv_P.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/Omite_Error.h"

namespace Vyr_Trilat {

namespace {

constexpr double kTolerancia = 0.001;

void No_Se_Puede(const std::string& texto) { MsgBox(texto, vbCritical, "No se puede hacer el Curvado:"); }

// A negative equidistance gives no level at all: it is taken as no value, like 0.
void Equidistancias_Por_Defecto(double& e_finas, double& e_maestras) {
  if (e_maestras <= 0) e_maestras = 5;
  if (e_finas <= 0) e_finas = 1;
}

bool Todas_Cero(Long nPun, const HostArray<double>& Z) {
  for (Long i = 1; i <= nPun; ++i)
    if (Z(i) != 0) return false;
  return true;
}

}  // namespace

Datos_Curvas c_Curvado::Get_Curvas() const {
  Datos_Curvas copia = s_.Datos;
  copia.nCurvas = s_.nCurvas_Completas;
  return copia;
}

void c_Curvado::Let_Curvas(const Datos_Curvas& dd) { s_.Datos = dd; }

void c_Curvado::Parametros_Curvado(double, double, Boolean&) {}

void c_Curvado::Parametros_Curvado1(double Mdt_MaxZ, double Mdt_MinZ, Boolean& Show, double& E_finas,
                                    double& E_Maestras, Long& Colfinas, Long& ColMaestras) {
  Equidistancias_Por_Defecto(E_finas, E_Maestras);
  f_Curv_P dialogo;
  Omite_Error([&] { dialogo.Load(); });
  Omite_Error([&] { dialogo.Let_A_Cota_Maxima(Mdt_MaxZ); });
  Omite_Error([&] { dialogo.Let_A_Cota_Minima(Mdt_MinZ); });
  Omite_Error([&] { dialogo.Busca("txtMaestras").Let_Texto(Formatea_Exacto(E_Maestras, 3)); });
  Omite_Error([&] { dialogo.Busca("txtequidist").Let_Texto(Formatea_Exacto(E_finas, 3)); });
  dialogo.Busca("cmbColorF").Let_BackColor(Colfinas);
  dialogo.Busca("cmbColorM").Let_BackColor(ColMaestras);
  dialogo.A_EquiMa = E_Maestras;
  dialogo.A_EquiFi = E_finas;
  dialogo.A_ColorF = Colfinas;
  dialogo.A_ColorM = ColMaestras;
  if (Es_Verdadero(Show)) Omite_Error([&] { dialogo.Show_Modal(); });

  Omite_Error([&] { s_.Cota_Max = dialogo.A_Cota_Maxima(); });
  Omite_Error([&] { s_.Cota_Min = dialogo.A_Cota_Minima(); });
  s_.E_Maestras = E_Maestras = dialogo.A_EquiMa;
  s_.E_finas = E_finas = dialogo.A_EquiFi;
  s_.ColMaestras = ColMaestras = dialogo.A_ColorM;
  s_.Colfinas = Colfinas = dialogo.A_ColorF;
  Omite_Error([&] { s_.Segmentos = CLng(dialogo.A_Segmentos()); });
  Omite_Error([&] { s_.Dibuja_Curvas = dialogo.A_Ver_Formacion(); });
  Omite_Error([&] { s_.Suavizar = dialogo.A_Suavizar(); });
  s_.Cancelado = dialogo.A_CancelarCrv1;
  s_.Aceptado = dialogo.A_Aceptar1;
  Omite_Error([&] { dialogo.Unload(); });
}

void c_Curvado::Parametros_Directos(Long segmentos, Boolean suavizar, Boolean dibuja_curvas) {
  s_.Segmentos = segmentos;
  s_.Suavizar = suavizar;
  s_.Dibuja_Curvas = dibuja_curvas;
}

void c_Curvado::Param_Dibujo(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww,
                             ObjectRef& Progreso) {
  mDibuja::Pon_Vista(oX1, oY1, EE1, altoY, draww);
  s_.Progreso = Progreso;
}

void c_Curvado::Curvado_calcula(Long, HostArray<double>&, HostArray<double>&, HostArray<double>&, Long,
                                HostArray<Long>&, HostArray<Long>&, HostArray<Long>&) {}

void c_Curvado::Curvado_repinta(Long, HostArray<double>&, HostArray<double>&, HostArray<double>&, Long,
                                HostArray<Long>&, HostArray<Long>&, HostArray<Long>&, Boolean&) {}

void c_Curvado::Curvado_repinta1(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                                 HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean&,
                                 Boolean& No_dibujes) {
  s_.Cancelado = False;
  const Datos_Curvas& d = s_.Datos;
  s_.Colfinas = d.Colfinas;
  s_.ColMaestras = d.ColMaestras;
  s_.E_finas = d.E_finas;
  s_.E_Maestras = d.E_Maestras;
  s_.Segmentos = d.Segmentos;
  s_.Suavizar = A_Booleano(d.Suavizar != False);
  s_.Cota_Max = d.Cota_Max;
  s_.Cota_Min = d.Cota_Min;
  s_.Dibuja_Curvas = No_dibujes;
  Equidistancias_Por_Defecto(s_.E_finas, s_.E_Maestras);
  Boolean cancela = False;
  Curvado_calcula1(nPun, X, Y, Z, nTri, Vt1, Vt2, Vt3, cancela);
}

void c_Curvado::Curvado_calcula1(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                                 HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela) {
  try {
    try {
      Calcula(nPun, X, Y, Z, nTri, Vt1, Vt2, Vt3, Cancela);
    } catch (const std::bad_alloc&) {
      throw RuntimeError(7, Descripcion_Error(7));
    }
  } catch (const RuntimeError& e) {
    Informe_Error(" Calcula curvado 1 - Error nº ", e, ": ");
  }
  // However the run ended, what it drew must stay on the host's picture.
  if (redibujo_apagado_) Omite_Error([this] { Enciende_Redibujo(); });
}

void c_Curvado::Calcula(Long nPun, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z, Long nTri,
                        HostArray<Long>& Vt1, HostArray<Long>& Vt2, HostArray<Long>& Vt3, Boolean& Cancela) {
  if (Es_Verdadero(s_.Cancelado)) {
    Cancela = True;
    return;
  }
  Equidistancias_Por_Defecto(s_.E_finas, s_.E_Maestras);
  Datos_Curvas& d = s_.Datos;
  d.Colfinas = s_.Colfinas;
  d.ColMaestras = s_.ColMaestras;
  d.E_finas = s_.E_finas;
  d.E_Maestras = s_.E_Maestras;
  d.Segmentos = CInt(s_.Segmentos);
  d.Dibuja_Curvas = s_.Dibuja_Curvas;
  d.Suavizar = s_.Suavizar;
  d.Cota_Max = s_.Cota_Max;
  d.Cota_Min = s_.Cota_Min;
  d.Calculado = False;

  if (nTri < 1) return No_Se_Puede("No hay triangulación formada (MDT).");
  if (Todas_Cero(nPun, Z)) return No_Se_Puede("Todas las cotas son iguales (0.000)");
  s_.Tolerancia = kTolerancia;
  Apaga_Redibujo();
  if (nPun < 3) return;
  const double desnivel = s_.Cota_Max - s_.Cota_Min;
  if (desnivel > kDesnivel_Maximo)
    return No_Se_Puede("La diferencia máxima de desnivel no puede ser mayor de 32000 y es " + Formatea(desnivel, 3));
  const Integer nNiveles = Niveles::Numero_Niveles(s_.Cota_Max, s_.Cota_Min, s_.E_finas);
  if (nNiveles == 0) return;

  Traza(s_, nPun, X, Y, Z, nTri, Vt1, Vt2, Vt3, nNiveles, Niveles::Primer_Nivel(s_.Cota_Min, s_.E_finas));

  d.Calculado = True;
  s_.nCurvas_Completas = s_.nCurvas;
  Let_Propiedad(s_.Progreso, "Visible", Variant::De_Booleano(False));
  Enciende_Redibujo();
}

void c_Curvado::Apaga_Redibujo() {
  mDibuja::Superficie().Let_AutoRedraw(False);
  redibujo_apagado_ = true;
}

void c_Curvado::Enciende_Redibujo() {
  redibujo_apagado_ = false;
  mDibuja::Superficie().Let_AutoRedraw(True);
}

}  // namespace Vyr_Trilat
