// The triangulation parameters dialog: the longest side an output triangle may have, whether triangles are drawn
// while they form and their colour. It remembers these choices and its own position in the settings store; the
// triangulation service creates one per parameters call, loads it, may show it, reads it and unloads it.
#pragma once

#include "trilat/platform/Formulario.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class f_Tri_P : public Formulario {
 public:
  f_Tri_P();

  // Colour of the triangles: the remembered one after load, the chosen one after the colour button.
  Long A_color = 0;
  // True once Aceptar was pressed, False after Cancelar.
  Boolean A_Aceptar = False;
  // True once Cancelar was pressed; set False on load.
  Boolean A_CancelarMDT1 = False;

  // Upper and lower elevation; setting one also shows it with three decimals.
  double A_Cota_Maxima() const { return cota_maxima_; }
  void Let_A_Cota_Maxima(double cota);
  double A_Cota_Minima() const { return cota_minima_; }
  void Let_A_Cota_Minima(double cota);

  // These read the store, not the boxes, so after Cancelar they give the values last accepted.
  // The remembered maximum side, 100 when it is zero or negative.
  double A_Distac_Maxima() const;
  Boolean A_Ver_Formacion() const;
  Boolean A_Suavizar() const;

 private:
  void Form_Load();
  void txtDistMax_Change();
  void cmbColorF_Click();
  void cmdDatosaceptar_Click();
  void bt_salir_Click();
  void Form_Unload();

  double cota_maxima_ = 0;
  double cota_minima_ = 0;

  // Controls the handlers work with. Owned by the form.
  Control* txtDistMax_;
  Control* cmbColorF_;
  Control* chkTriForm_;
  Control* txtCotaMax_;
  Control* txtCotaMin_;
  Control* chkTriVerZona_;
};

}  // namespace Vyr_Trilat
