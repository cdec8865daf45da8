#include "trilat/dialogs/f_Tri_P.h"

#include <string>

#include "trilat/dialogs/Boton_Color.h"
#include "trilat/dialogs/Numeros_Dialogo.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/RuntimeError.h"
#include "trilat/platform/Variant.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat {

namespace {

const std::string kAplicacion = "MDT";
const std::string kSeccion = "Triangulación";
const std::string kClave_Posicion = "Posicion Triangulacion";
const std::string kDistancia_Por_Defecto = "100";

Variant Lee_Ajuste(const std::string& clave, const Variant& defecto) {
  return c_Ajustes::Instancia().Lee_Valor(kAplicacion, kSeccion, clave, defecto);
}

void Guarda_Ajuste(const std::string& clave, const Variant& valor) {
  c_Ajustes::Instancia().Guarda_Valor(kAplicacion, kSeccion, clave, valor);
}

// The remembered maximum side as the number its text holds.
double Distancia_Guardada() { return Lee_Numero(Lee_Ajuste("Distacia Maxima", Variant::De_Entero(100)).A_Texto()); }

}  // namespace

f_Tri_P::f_Tri_P() : Formulario("Triangulación:", 3585, 2430) {
  using enum Tipo_Control;
  Control* frame3 = &Agrega(Frame, {"Frame3"}, nullptr, {60, 90, 3390, 1305}, "Parámetros triángulos:");
  Agrega(Label, {"Label4", 0}, frame3, {90, 450, 2160, 195}, "Distáncia máxima de los lados:");
  txtDistMax_ = &Agrega(TextBox, {"txtDistMax"}, frame3, {2340, 420, 855, 285}, "75");
  Agrega(Label, {"Label4", 1}, frame3, {1050, 870, 1125, 195}, "Color triángulos:");
  cmbColorF_ = &Agrega(CommandButton, {"cmbColorF"}, frame3, {2370, 840, 435, 315});
  cmbColorF_->Let_Grafico(true);
  chkTriForm_ = &Agrega(CheckBox, {"chkTriForm"}, nullptr, {90, 1530, 3360, 285}, "Ver formacion de los triangulos");
  Control& aceptar = Agrega(CommandButton, {"cmdDatosaceptar"}, nullptr, {2460, 1920, 1035, 360}, "Aceptar");
  Control& salir = Agrega(CommandButton, {"bt_salir"}, nullptr, {1290, 1920, 1035, 360}, "Cancelar");
  Control* frame1 = &Agrega(Frame, {"Frame1"}, nullptr, {270, 2880, 3405, 1995}, "Frame1");
  Agrega(Label, {"Label8", 0}, frame1, {1170, 240, 1035, 255}, "Cota máxima:");
  txtCotaMax_ = &Agrega(TextBox, {"txtCotaMax"}, frame1, {2400, 210, 855, 285}, "0");
  Agrega(Label, {"Label8", 1}, frame1, {1170, 600, 1035, 255}, "Cota mínima:");
  txtCotaMin_ = &Agrega(TextBox, {"txtCotaMin"}, frame1, {2430, 585, 855, 285}, "0.001");
  Agrega_Linea({"Line1"}, frame1, {{0, 990}, {3660, 990}});
  chkTriVerZona_ = &Agrega(CheckBox, {"chkTriVerZona"}, frame1, {150, 1290, 3030, 285}, "Ver zona de Triangulacion");
  chkTriVerZona_->Let_ToolTipText("Ver zona de Triangulacion");

  Cuando_Carga([this] { Form_Load(); });
  txtDistMax_->Cuando_Cambia([this] { txtDistMax_Change(); });
  cmbColorF_->Cuando_Pulsa([this] { cmbColorF_Click(); });
  aceptar.Cuando_Pulsa([this] { cmdDatosaceptar_Click(); });
  salir.Cuando_Pulsa([this] { bt_salir_Click(); });
  Cuando_Descarga([this] { Form_Unload(); });
}

void f_Tri_P::Let_A_Cota_Maxima(double cota) {
  cota_maxima_ = cota;
  txtCotaMax_->Let_Texto(Formatea(cota, 3));
}

void f_Tri_P::Let_A_Cota_Minima(double cota) {
  cota_minima_ = cota;
  txtCotaMin_->Let_Texto(Formatea(cota, 3));
}

double f_Tri_P::A_Distac_Maxima() const {
  const double d = Distancia_Guardada();
  return d <= 0 ? 100 : d;
}

Boolean f_Tri_P::A_Ver_Formacion() const { return Lee_Ajuste("Formacion", Variant::De_Entero(1)).A_Booleano(); }

Boolean f_Tri_P::A_Suavizar() const { return Lee_Ajuste("Alineacion", Variant::De_Entero(0)).A_Booleano(); }

void f_Tri_P::Form_Load() {
  Let_Siempre_Encima(true);
  c_Ajustes::Instancia().Pon_Posicion(*this, kAplicacion, kClave_Posicion);
  const double distancia = Distancia_Guardada();
  const Integer formacion = Lee_Ajuste("Formacion", Variant::De_Entero(1)).A_Entero();
  const Integer zona = Lee_Ajuste("Alineacion", Variant::De_Entero(0)).A_Entero();
  A_color = Lee_Ajuste("Color", Variant::De_Largo(65280)).A_Largo();
  cmbColorF_->Let_BackColor(A_color);
  txtDistMax_->Let_Texto(Formatea_Exacto(distancia, 0));
  chkTriForm_->Let_Value(formacion);
  chkTriVerZona_->Let_Value(zona);
  A_CancelarMDT1 = False;
  txtDistMax_->Let_ToolTipText("No se formará nigun triángulo con un lado mayor  a la distancia dada");
}

void f_Tri_P::txtDistMax_Change() {
  // A number beyond the range of doubles is no more a distance than one below 1: it is corrected the same way
  // instead of ending the dialog with its error.
  bool corta = true;
  try {
    corta = Lee_Numero(txtDistMax_->Texto()) < 1;
  } catch (const RuntimeError& e) {
    if (e.Number() != static_cast<Long>(Err::Overflow)) throw;
  }
  if (corta) {
    MsgBox("La distancia máxima debe ser mayor de 1", vbCritical, "Triangulación:");
    txtDistMax_->Let_Texto(kDistancia_Por_Defecto);
  }
}

void f_Tri_P::cmbColorF_Click() { A_color = Elige_Color(*cmbColorF_, "Color triangulos:"); }

void f_Tri_P::cmdDatosaceptar_Click() {
  // The run reads the accepted values back from the store, which gives them back for this run even when its file
  // cannot keep them: the dialog then says that they will not be remembered, and closes as accepted.
  std::string fallo;
  const auto guarda = [&fallo](const std::string& clave, const Variant& valor) {
    try {
      Guarda_Ajuste(clave, valor);
    } catch (const RuntimeError& e) {
      if (fallo.empty()) fallo = e.Description();
    }
  };
  guarda("Distacia Maxima", Variant::De_Texto(txtDistMax_->Texto()));
  guarda("Formacion", Variant::De_Entero(chkTriForm_->Value()));
  guarda("Alineacion", Variant::De_Entero(chkTriVerZona_->Value()));
  guarda("Color", Variant::De_Largo(cmbColorF_->BackColor()));
  if (!fallo.empty()) MsgBox(fallo + "; the values are used for this run only", vbExclamation, "Triangulación:");
  cota_maxima_ = Lee_Numero(txtCotaMax_->Texto());
  cota_minima_ = Lee_Numero(txtCotaMin_->Texto());
  A_Aceptar = True;
  Hide();
}

void f_Tri_P::bt_salir_Click() {
  A_CancelarMDT1 = True;
  A_Aceptar = False;
  Hide();
}

void f_Tri_P::Form_Unload() { c_Ajustes::Instancia().Guarda_Posicion(*this, kAplicacion, kClave_Posicion); }

}  // namespace Vyr_Trilat
