#include "trilat/dialogs/f_Curv_P.h"

#include <string>

#include "trilat/dialogs/Boton_Color.h"
#include "trilat/dialogs/Numeros_Dialogo.h"
#include "trilat/platform/Omite_Error.h"
#include "trilat/platform/Variant.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat {

namespace {

const std::string kAplicacion = "MDT";
const std::string kSeccion = "Curvado";
const std::string kClave_Posicion = "Posicion Curvado";
const std::string kSegmentos = "Segmentos", kFormacion = "Formacion", kAlineacion = "Alineacion";
constexpr Long kAncho_Exterior = 3300;
constexpr Long kAlto_Exterior = 4095;
constexpr Long kColor_Finas = 38088;        // RGB 200, 148, 0
constexpr Long kColor_Maestras = 11578544;  // RGB 176, 172, 176
constexpr double kCota_Maxima_Por_Defecto = 5000;
const std::string kTexto_Suavizar = "Calcula curvas suavizadas o solo sus alineaciones exactas";
const std::string kTexto_Formacion = "Ver formacion del curvado";

Variant Lee_Ajuste(const std::string& clave, const Variant& defecto) {
  return c_Ajustes::Instancia().Lee_Valor(kAplicacion, kSeccion, clave, defecto);
}

void Guarda_Ajuste(const std::string& clave, const Variant& valor) {
  c_Ajustes::Instancia().Guarda_Valor(kAplicacion, kSeccion, clave, valor);
}

}  // namespace

f_Curv_P::f_Curv_P() : Formulario("Curvado:", 2985, 3525) {
  using enum Tipo_Control;
  Control* frame3 = &Agrega(Frame, {"Frame3"}, nullptr, {60, 60, 2895, 2715}, "Curvado:");
  Agrega(Label, {"Label8", 0}, frame3, {120, 300, 1035, 255}, "Cota Maxima:");
  txtCotaMax_ = &Agrega(TextBox, {"txtCotaMax"}, frame3, {1440, 240, 1275, 285}, "0");
  Agrega(Label, {"Label8", 1}, frame3, {120, 705, 1035, 255}, "Cota Minima:");
  txtCotaMin_ = &Agrega(TextBox, {"txtCotaMin"}, frame3, {1440, 615, 1275, 285}, "0.001");
  Agrega(Label, {"Label2"}, frame3, {120, 1185, 1005, 195}, "Curvas Finas :");
  txtequidist_ = &Agrega(TextBox, {"txtequidist"}, frame3, {1440, 1095, 855, 285}, "1");
  cmbColorF_ = &Agrega(CommandButton, {"cmbColorF"}, frame3, {2370, 1080, 435, 315});
  cmbColorF_->Let_Grafico(true);
  Agrega(Label, {"Label7"}, frame3, {120, 1530, 1275, 195}, "Curvas Maestras :");
  txtMaestras_ = &Agrega(TextBox, {"txtMaestras"}, frame3, {1440, 1455, 855, 285}, "5");
  cmbColorM_ = &Agrega(CommandButton, {"cmbColorM"}, frame3, {2370, 1440, 435, 315});
  cmbColorM_->Let_Grafico(true);
  Control& restaura = Agrega(CommandButton, {"cmdColor"}, frame3, {1320, 1830, 1485, 345}, "Restaurar colores");
  Agrega(Frame, {"Frame1"}, frame3, {60, 2280, 2895, 30});
  chkcurvAli_ = &Agrega(CheckBox, {"chkcurvAli"}, nullptr, {210, 2460, 1215, 195}, "Suavizar");
  chkcurvAli_->Let_Value(1);
  chkcurvAli_->Let_ToolTipText(kTexto_Suavizar);
  chkFormCrv_ = &Agrega(CheckBox, {"chkFormCrv"}, nullptr, {210, 2730, 3030, 195}, kTexto_Formacion);
  chkFormCrv_->Let_Value(1);
  chkFormCrv_->Let_ToolTipText(kTexto_Formacion);
  Control& salir = Agrega(CommandButton, {"bt_salir"}, nullptr, {780, 3060, 1035, 345}, "Cancelar");
  Control& aceptar = Agrega(CommandButton, {"cmdDatosaceptar"}, nullptr, {1920, 3060, 1035, 345}, "Aceptar");
  // Below the client area: the segment count is carried from the store and back, never seen.
  Label5_ = &Agrega(Label, {"Label5"}, nullptr, {240, 5040, 1470, 195}, "Suavizado de 1 a 9 :");
  txtsegment_ = &Agrega(TextBox, {"txtsegment"}, nullptr, {2040, 4920, 555, 285}, "5");

  Cuando_Carga([this] { Form_Load(); });
  Cuando_Redimensiona([this] { Form_Resize(); });
  txtsegment_->Cuando_Cambia([this] { txtsegment_Change(); });
  chkcurvAli_->Cuando_Pulsa([this] { chkcurvAli_Click(); });
  cmbColorF_->Cuando_Pulsa([this] { A_ColorF = Elige_Color(*cmbColorF_, "Color curvas finas:"); });
  cmbColorM_->Cuando_Pulsa([this] { A_ColorM = Elige_Color(*cmbColorM_, "Color curvas maestras:"); });
  restaura.Cuando_Pulsa([this] { cmdColor_Click(); });
  aceptar.Cuando_Pulsa([this] { cmdDatosaceptar_Click(); });
  salir.Cuando_Pulsa([this] { bt_salir_Click(); });
  Cuando_Descarga([this] { Form_Unload(); });
}

std::vector<Clave_Ajuste> f_Curv_P::Claves_Recordadas() {
  return {
      {kAplicacion, kSeccion, kSegmentos}, {kAplicacion, kSeccion, kFormacion}, {kAplicacion, kSeccion, kAlineacion}};
}

double f_Curv_P::A_Cota_Maxima() const { return cota_maxima_ == 0 ? kCota_Maxima_Por_Defecto : cota_maxima_; }

void f_Curv_P::Let_A_Cota_Maxima(double cota) {
  cota_maxima_ = cota == 0 ? kCota_Maxima_Por_Defecto : cota;
  txtCotaMax_->Let_Texto(Formatea(cota_maxima_, 3));
}

void f_Curv_P::Let_A_Cota_Minima(double cota) {
  cota_minima_ = cota;
  txtCotaMin_->Let_Texto(Formatea(cota, 3));
}

double f_Curv_P::A_Segmentos() const {
  const double segmentos = Lee_Ajuste(kSegmentos, Variant::De_Entero(5)).A_Doble();
  return segmentos < 0 ? 5 : segmentos;
}

Boolean f_Curv_P::A_Ver_Formacion() const { return Lee_Ajuste(kFormacion, Variant::De_Entero(1)).A_Booleano(); }

Boolean f_Curv_P::A_Suavizar() const { return Lee_Ajuste(kAlineacion, Variant::De_Entero(0)).A_Booleano(); }

void f_Curv_P::Form_Load() {
  Let_Siempre_Encima(false);
  c_Ajustes::Instancia().Pon_Posicion(*this, kAplicacion, kClave_Posicion);
  const double segmentos = Lee_Ajuste(kSegmentos, Variant::De_Entero(5)).A_Doble();
  const Integer formacion = Lee_Ajuste(kFormacion, Variant::De_Entero(1)).A_Entero();
  const Integer suavizar = Lee_Ajuste(kAlineacion, Variant::De_Entero(1)).A_Entero();
  cmbColorF_->Let_BackColor(A_ColorF);
  cmbColorM_->Let_BackColor(A_ColorM);
  txtsegment_->Let_Texto(Formatea(segmentos, 2));
  chkFormCrv_->Let_Value(formacion);
  chkcurvAli_->Let_Value(suavizar);
  A_CancelarCrv1 = False;
  chkcurvAli_Click();
}

void f_Curv_P::Form_Resize() { Redimensiona(kAncho_Exterior, kAlto_Exterior); }

void f_Curv_P::txtsegment_Change() {
  if (Val_Texto(txtsegment_->Texto()) < 1) txtsegment_->Let_Texto("1");
  if (Val_Texto(txtsegment_->Texto()) > 9) txtsegment_->Let_Texto("9");
}

void f_Curv_P::chkcurvAli_Click() {
  const bool marcado = chkcurvAli_->Value() == 1;
  txtsegment_->Let_Enabled(marcado);
  Label5_->Let_Enabled(marcado);
}

void f_Curv_P::cmdColor_Click() {
  cmbColorF_->Let_BackColor(kColor_Finas);
  A_ColorF = kColor_Finas;
  cmbColorM_->Let_BackColor(kColor_Maestras);
  A_ColorM = kColor_Maestras;
}

// Each statement that fails is skipped, so a bad box or an unwritable store never loses the others.
void f_Curv_P::cmdDatosaceptar_Click() {
  Omite_Error([this] { A_EquiMa = Lee_Numero(txtMaestras_->Texto()); });
  Omite_Error([this] { A_EquiFi = Lee_Numero(txtequidist_->Texto()); });
  // A negative equidistance gives no level at all: it is taken as no value, like 0.
  if (A_EquiMa <= 0) A_EquiMa = 5;
  if (A_EquiFi <= 0) A_EquiFi = 1;
  // The segment count is kept as the leading number of its box (blanks skipped, a period for decimals).
  Omite_Error([this] { Guarda_Ajuste(kSegmentos, Variant::De_Doble(Val_Texto(txtsegment_->Texto()))); });
  Omite_Error([this] { Guarda_Ajuste(kFormacion, Variant::De_Entero(chkFormCrv_->Value())); });
  Omite_Error([this] { Guarda_Ajuste(kAlineacion, Variant::De_Entero(chkcurvAli_->Value())); });
  Omite_Error([this] { cota_maxima_ = Lee_Numero(txtCotaMax_->Texto()); });
  Omite_Error([this] { cota_minima_ = Lee_Numero(txtCotaMin_->Texto()); });
  A_Aceptar1 = True;
  Hide();
}

void f_Curv_P::bt_salir_Click() {
  A_Aceptar1 = False;
  A_CancelarCrv1 = True;
  Hide();
}

void f_Curv_P::Form_Unload() { c_Ajustes::Instancia().Guarda_Posicion(*this, kAplicacion, kClave_Posicion); }

}  // namespace Vyr_Trilat
