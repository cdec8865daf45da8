// The contouring parameters dialog: the elevation range, the equidistances of minor and major contours and their
// colours, smoothing, drawing while forming and the smoothing segment count. It remembers smoothing, formation
// and segments (and its own position) in the settings store; the caller hands in and takes back the rest.
#pragma once

#include <vector>

#include "trilat/platform/Formulario.h"
#include "trilat/platform/Types.h"
#include "trilat/sibling/Documento_Ajustes.h"

namespace Vyr_Trilat {

class f_Curv_P : public Formulario {
 public:
  f_Curv_P();

  // Colours of major and minor contours; the colour buttons and "Restaurar colores" change them.
  Long A_ColorM = 0;
  Long A_ColorF = 0;
  // Equidistances of major and minor contours, read from their boxes on Aceptar (0 becomes 5 and 1).
  double A_EquiMa = 0;
  double A_EquiFi = 0;
  // True once Aceptar was pressed, False after Cancelar.
  Boolean A_Aceptar1 = False;
  // True once Cancelar was pressed; set False on load.
  Boolean A_CancelarCrv1 = False;

  // Upper elevation (0 stands for 5000) and lower elevation; setting one also shows it with three decimals.
  double A_Cota_Maxima() const;
  void Let_A_Cota_Maxima(double cota);
  double A_Cota_Minima() const { return cota_minima_; }
  void Let_A_Cota_Minima(double cota);

  // The settings keys Aceptar writes, so that a caller that refuses what was accepted can put them back.
  static std::vector<Clave_Ajuste> Claves_Recordadas();

  // These read the store, not the boxes, so after Cancelar they give the values last accepted.
  // The remembered segment count, 5 when negative.
  double A_Segmentos() const;
  Boolean A_Ver_Formacion() const;
  Boolean A_Suavizar() const;

 private:
  void Form_Load();
  void Form_Resize();
  void txtsegment_Change();
  void chkcurvAli_Click();
  void cmdColor_Click();
  void cmdDatosaceptar_Click();
  void bt_salir_Click();
  void Form_Unload();

  double cota_maxima_ = 0;
  double cota_minima_ = 0;

  // Controls the handlers work with. Owned by the form.
  Control* txtCotaMax_;
  Control* txtCotaMin_;
  Control* txtequidist_;
  Control* cmbColorF_;
  Control* txtMaestras_;
  Control* cmbColorM_;
  Control* chkcurvAli_;
  Control* chkFormCrv_;
  Control* Label5_;
  Control* txtsegment_;
};

}  // namespace Vyr_Trilat
