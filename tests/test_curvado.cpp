// c_Curvado as a host sees it, through the recording picture box, progress object, message box and message
// loop: what each run draws and stores, the record it hands back and takes, its messages and its failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Numero_Error.h"
#include "tests/support/Presentador_Guionizado.h"
#include "tests/support/Terrenos.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat::prueba {
namespace {

constexpr Long kFinas = 38088, kMaestras = 11578544;
const std::string kTitulo = "No se puede hacer el Curvado:";

// Two triangles rising from 100.25 to 101.75 eastwards: level 101 is one open chain x = 30, y = 10 to 50.
Modelo Rampa() {
  return Modelo_De({{10, 10, 100.25}, {50, 10, 101.75}, {50, 50, 101.75}, {10, 50, 100.25}}, {{1, 2, 3}, {1, 3, 4}});
}

// The log as one text, "; " between its entries.
std::string Junta(const Registro& r) {
  std::string s;
  for (const std::string& p : r) s += (s.empty() ? "" : "; ") + p;
  return s;
}

Mensaje Informe(Long numero, const std::string& descripcion) {
  return {" Calcula curvado 1 - Error nº  " + std::to_string(numero) + ": " + descripcion, vbCritical, "Vyr_Trilat"};
}

class Curvado : public ::testing::Test {
 protected:
  void SetUp() override { Prepara_Curvado(c_, sup_, prog_); }
  Salida_Curvado Corre(Modelo& m, const Ajustes_Curvado& a, c_Curvado* c = nullptr) {
    c = c ? c : &c_;
    Configura_Curvado(*c, m, a);
    log_->clear();
    return Calcula_Curvado(*c, m);
  }
  void Repinta(c_Curvado& c, Modelo& m, Boolean dibuja, Boolean& cancela) {
    log_->clear();
    c.Curvado_repinta1(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, cancela, dibuja);
  }
  // The dialog over this elevation range, as scripted (not shown without a script).
  void Dialogo(c_Curvado& c, double alto, std::vector<Accion_Usuario> guion = {}) {
    Presentador_Guionizado p(guion);
    Boolean mostrar = A_Booleano(!guion.empty());
    double ef = 1, em = 5;
    Long cf = 12, cm = 34;
    c.Parametros_Curvado1(alto, 100.25, mostrar, ef, em, cf, cm);
  }

  Ajustes_Temporales ajustes_;
  std::shared_ptr<Registro> log_ = std::make_shared<Registro>();
  std::shared_ptr<Superficie_Grabadora> sup_ = std::make_shared<Superficie_Grabadora>(log_);
  std::shared_ptr<Progreso_Grabador> prog_ = std::make_shared<Progreso_Grabador>(log_);
  Bucle_Temporal bucle_{[this] { log_->push_back("DoEvents"); }};
  c_Curvado c_;
};

TEST_F(Curvado, CadenaAbiertaYAnilloCerrado) {
  Modelo rampa = Rampa();
  Salida_Curvado s = Corre(rampa, {});
  EXPECT_TRUE(s.mensajes.empty());
  // Progress, the pen, the one yield per line before it is drawn, the line segment by segment through its control
  // sequence, then as one polyline without its last vertex; the picture's redraw off for the run.
  EXPECT_EQ(Junta(*log_),
            "AutoRedraw 0; Visible=True; Min=0; Max=2; Value=0; Value=1; DrawWidth 1; DoEvents; "
            "ForeColor 38088; MoveToEx 30,990; LineTo 30,980; LineTo 30,980; MoveToEx 30,980; "
            "LineTo 30,980; LineTo 30,970; MoveToEx 30,980; LineTo 30,970; LineTo 30,960; "
            "MoveToEx 30,970; LineTo 30,960; LineTo 30,950; MoveToEx 30,960; LineTo 30,950; "
            "LineTo 30,950; MoveToEx 30,950; LineTo 30,950; LineTo 30,950; ForeColor 38088; "
            "Polyline 30,990 30,990 30,980 30,980 30,970 30,960 30,950 30,950; Value=2; "
            "Visible=False; AutoRedraw -1");
  const Datos_Curvas& d = s.datos;
  ASSERT_EQ(d.nCurvas, 1);
  EXPECT_TRUE(d.Curvas(1).Color == kFinas && d.Curvas(1).Maestra == False);
  EXPECT_TRUE(d.Colfinas == kFinas && d.ColMaestras == kMaestras && d.E_finas == 1 && d.E_Maestras == 5 &&
              d.Segmentos == 5 && d.Dibuja_Curvas == True && d.Suavizar == False && d.Cota_Max == 101.75 &&
              d.Cota_Min == 100.25 && d.Calculado == True);

  // Four triangles round a peak: a ring starts and ends on the middle of its first edge.
  Modelo piramide =
      Modelo_De({{10, 10, 100.25}, {50, 10, 100.25}, {50, 50, 100.25}, {10, 50, 100.25}, {30, 30, 101.75}},
                {{1, 2, 5}, {2, 3, 5}, {3, 4, 5}, {4, 1, 5}});
  EXPECT_EQ(Corre(piramide, {}).datos.Curvas(2).Ultimo, 14);
  EXPECT_EQ(Cuenta(*log_,
                   "Polyline 20,970 20,970 20,965 20,965 20,960 30,960 40,960 40,970 40,980 35,980 30,980 "
                   "20,980 20,970 20,970"),
            1u);
}

TEST_F(Curvado, RegistroPorCopiaProfundaTotalAcumuladoYRepintado) {
  Modelo m = Rejilla(Relieve::Rugoso, 9, 9, 10, 0.3, 11);
  const Ajustes_Curvado a{2, 10, 255, 65280, 3, True, True};  // smoothed, drawn
  const Datos_Curvas primera = Corre(m, a).datos;
  const Long n = primera.nCurvas;
  ASSERT_TRUE(n > 2 && primera.Curvas.UBound() == n);  // no line stored beyond the count
  // One yield per line, and every sample of a smoothed line drawn, its end included.
  EXPECT_TRUE(Cuenta(*log_, "DoEvents") == static_cast<std::size_t>(n) && Cuenta(*log_, "LineTo") == 0);
  Long i = 0;
  for (const std::string& p : *log_) {
    if (!p.starts_with("Polyline")) continue;
    EXPECT_EQ(std::count(p.begin(), p.end(), ','), primera.Curvas(++i).Ultimo + 1) << i;
  }
  EXPECT_EQ(i, n);
  const Datos_Curvas segunda = Corre(m, a).datos;
  ASSERT_EQ(segunda.nCurvas, 2 * n);  // the second run's lines follow the first's
  for (i = 1; i <= n; ++i) EXPECT_EQ(segunda.Curvas(n + i).Vertices(2).X, primera.Curvas(i).Vertices(2).X);

  // The count handed back is that of the last run that ended: not the record handed in, nor a run whose message
  // loop failed after its second line.
  c_.Let_Curvas(primera);
  int lineas = 0;
  {
    Bucle_Temporal falla([&lineas] {
      if (++lineas == 2) throw RuntimeError(Err::Overflow);
    });
    Corre(m, a);
  }
  EXPECT_TRUE(lineas == 2 && c_.Get_Curvas().nCurvas == 2 * n);

  // A repaint on another instance repeats the run from the record, drawing as told, and leaves Cancela alone.
  c_Curvado otra;
  Prepara_Curvado(otra, sup_, prog_);
  otra.Let_Curvas(primera);
  for (const Boolean dibuja : {True, False}) {
    Boolean cancela = 7;
    Repinta(otra, m, dibuja, cancela);
    EXPECT_EQ(cancela, 7);
    EXPECT_EQ(sup_->Polilineas(), dibuja == True ? static_cast<std::size_t>(n) : 0u);
  }
  const Datos_Curvas repintado = otra.Get_Curvas();
  ASSERT_EQ(repintado.nCurvas, 2 * n);
  for (i = 1; i <= n; ++i) {
    const Curva &x = repintado.Curvas(i), &y = primera.Curvas(i);
    EXPECT_TRUE(x.Ultimo == y.Ultimo && x.Color == y.Color && x.Vertices(1).Y == y.Vertices(1).Y) << i;
  }
  // A cancelled dialog stops calcula1, not a repaint.
  Dialogo(otra, 110, {Pulsa("bt_salir")});
  log_->clear();
  Boolean cancela = False;
  otra.Curvado_calcula1(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, cancela);
  EXPECT_TRUE(cancela == True && log_->empty());
  Repinta(otra, m, True, cancela);
  EXPECT_GT(sup_->Polilineas(), 0u);
}

TEST_F(Curvado, ComprobacionesDeEntradaYNiveles) {
  // Levels are added up: from 0 by 0.1 the tenth is 0.9999999999999999, a major level of 0.5 drawn 2 wide;
  // straight lines stored, not drawn.
  Modelo ladera = Modelo_De({{0, 0, 0.05}, {120, 0, 1.25}, {120, 10, 1.25}, {0, 10, 0.05}}, {{1, 2, 3}, {1, 3, 4}});
  Salida_Curvado s = Corre(ladera, {.e_finas = 0.1, .e_maestras = 0.5, .dibuja = False});
  ASSERT_EQ(s.datos.nCurvas, 12);
  double cota = 0;
  for (Long i = 1; i <= 12; ++i) {
    cota = cota + 0.1;
    const Curva& c = s.datos.Curvas(i);
    EXPECT_TRUE(c.Vertices(0).Z == cota && c.Maestra == A_Booleano(i % 5 == 0) &&
                c.Color == (i % 5 == 0 ? kMaestras : kFinas))
        << i;
  }
  EXPECT_TRUE(Cuenta(*log_, "DrawWidth 2") == 2 && Cuenta(*log_, "DoEvents") == 12 && Cuenta(*log_, "LineTo") > 0 &&
              sup_->Polilineas() == 0);

  Modelo uno = Modelo_De({{0, 0, 1}, {1, 0, 2}, {0, 1, 3}}, {{1, 2, 3}});
  s = Corre(uno, {});
  EXPECT_EQ(s.mensajes, (std::vector<Mensaje>{{"No hay triangulación formada (MDT).", vbCritical, kTitulo}}));
  EXPECT_TRUE(s.datos.Cota_Max == 3 && s.datos.Calculado == False && log_->empty());
  Modelo llano = Rampa();
  for (Long i = 1; i <= llano.nPun; ++i) llano.Z(i) = 0;
  EXPECT_EQ(Corre(llano, {}).mensajes,
            (std::vector<Mensaje>{{"Todas las cotas son iguales (0.000)", vbCritical, kTitulo}}));

  // A range of exactly 32000 is traced; one of 32000.001, one under half an equidistance, or fewer than three
  // points are not, and the redraw comes back on.
  Modelo m = Rampa();
  const auto rango = [&](double alto, Long puntos) {
    Configura_Curvado(c_, m, {});
    Dialogo(c_, alto);
    Modelo corrido = m;
    corrido.nPun = puntos;
    log_->clear();
    return Calcula_Curvado(c_, corrido).mensajes;
  };
  EXPECT_TRUE(rango(32100.25, 4).empty());
  EXPECT_EQ(Cuenta(*log_, "Value="), 32001u);
  EXPECT_EQ(rango(32100.251, 4),
            (std::vector<Mensaje>{
                {"La diferencia máxima de desnivel no puede ser mayor de 32000 y es 32000.001", vbCritical, kTitulo}}));
  EXPECT_EQ(Junta(*log_), "AutoRedraw 0; AutoRedraw -1");
  for (const auto& [alto, puntos] : {std::pair{100.7, 4}, {101.75, 2}}) {
    EXPECT_TRUE(rango(alto, puntos).empty());
    EXPECT_EQ(Junta(*log_), "AutoRedraw 0; AutoRedraw -1") << alto;
  }
}

TEST_F(Curvado, FallosAcabanConSuInformeYDejanElDibujo) {
  Modelo m = Rejilla(Relieve::Suave, 8, 8, 10, 0.2, 5);
  // Smoothing with no segments or a negative count ends the run at its first line, nothing half stored.
  for (const Long segmentos : {0, -2}) {
    const Salida_Curvado s = Corre(m, {.segmentos = segmentos, .suavizar = True});
    EXPECT_EQ(s.mensajes, std::vector<Mensaje>{segmentos == 0 ? Informe(11, "Division by zero")
                                                              : Informe(5, "Invalid procedure call or argument")});
    EXPECT_TRUE(log_->back() == "AutoRedraw -1" && s.datos.nCurvas == 0 && s.datos.Calculado == False);
  }
  // A corner that is no point of the survey, or point arrays shorter than nPun.
  for (const Long esquina : {Long{0}, m.nPun + 1}) {
    Modelo roto = m;
    roto.Vt2(3) = esquina;
    EXPECT_EQ(Corre(roto, {}).mensajes, std::vector<Mensaje>{Informe(9, "Subscript out of range")}) << esquina;
    EXPECT_EQ(log_->back(), "AutoRedraw -1");
  }
  Modelo corto = m;
  corto.Z.ReDim_Preserve(1, m.nPun - 1);
  EXPECT_EQ(Calcula_Curvado(c_, corto).mensajes, std::vector<Mensaje>{Informe(9, "Subscript out of range")});

  // A progress object without the properties ends the run; a view that cannot be drawn in makes each straight
  // line report its own error, untitled, and the run goes on.
  for (const double escala : {1.0, 0.0}) {
    c_Curvado c;
    ObjectRef draww = sup_, progreso = escala == 1 ? std::make_shared<Object>() : ObjectRef(prog_);
    double o = 0, e = escala, alto = 1000;
    c.Param_Dibujo(o, o, e, alto, draww, progreso);
    const Salida_Curvado s = Corre(m, {}, &c);
    if (escala == 1) {
      EXPECT_EQ(s.mensajes, std::vector<Mensaje>{Informe(438, "Object doesn't support this property or method")});
      EXPECT_EQ(Junta(*log_), "AutoRedraw 0; AutoRedraw -1");
    } else {
      ASSERT_GT(s.mensajes.size(), 1u);
      for (const Mensaje& x : s.mensajes) EXPECT_EQ(x, (Mensaje{"Vyr_Trilat 11Division by zero", vbOKOnly, {}}));
      EXPECT_TRUE(s.datos.Calculado == True && s.datos.nCurvas == 0);
    }
  }
  // Something that is not a picture box is refused to the caller; with none, the run ends before it draws.
  ObjectRef otro = std::make_shared<Progreso_Grabador>();
  double o = 0, e = 1, alto = 10;
  EXPECT_EQ(Numero_Error([&] { c_.Param_Dibujo(o, o, e, alto, otro, otro); }), 13);
  mDibuja::Estado().draww.reset();
  EXPECT_EQ(Corre(m, {}).mensajes, std::vector<Mensaje>{Informe(91, "Object variable or With block variable not set")});
  EXPECT_TRUE(log_->empty());
}

TEST_F(Curvado, ParametrosDelDialogo) {
  Modelo m = Rampa();
  // Zero equidistances come back as 1 and 5, and so do negative ones, which would give no level.
  for (const auto& [finas, maestras] : {std::pair{0.0, 0.0}, {-2.0, -0.5}}) {
    double ef = finas, em = maestras;
    Long cf = 12, cm = 34;
    Boolean mostrar = False;
    c_.Parametros_Curvado1(0, 100.25, mostrar, ef, em, cf, cm);
    EXPECT_TRUE(ef == 1 && em == 5 && cf == 12 && cm == 34) << finas;
  }
  // Not shown: the remembered choices of an empty store (no smoothing, drawn, 5 segments); 0 stands for 5000.
  Salida_Curvado s = Calcula_Curvado(c_, m);
  EXPECT_TRUE(s.datos.Cota_Max == 5000 && s.datos.Suavizar == False && s.datos.Dibuja_Curvas == True &&
              s.datos.Segmentos == 5);
  Dialogo(c_, 101.75,
          {Escribe("txtequidist", "0,5"), Escribe("txtMaestras", "2.5"), Pulsa("cmdColor"), Marca("chkFormCrv", false),
           Pulsa("cmdDatosaceptar")});
  s = Calcula_Curvado(c_, m);
  EXPECT_TRUE(s.datos.E_finas == 0.5 && s.datos.E_Maestras == 2.5 && s.datos.Colfinas == kFinas &&
              s.datos.Dibuja_Curvas == False && s.datos.Suavizar == True && s.cancela == False);
  EXPECT_NE(ajustes_.Texto().find("[MDT/Posicion Curvado]"), std::string::npos);
  // A settings file that cannot keep the choices (damaged here) is left as it is and still lets the run have them.
  std::ofstream(ajustes_.Archivo(), std::ios::binary) << "garbage line\n";
  Dialogo(c_, 101.75, {Marca("chkFormCrv", false), Marca("chkcurvAli", true), Pulsa("cmdDatosaceptar")});
  s = Calcula_Curvado(c_, m);
  EXPECT_TRUE(s.datos.Dibuja_Curvas == False && s.datos.Suavizar == True && ajustes_.Texto() == "garbage line\n");
  // Accepted untouched, it gives back the equidistances it was given, even those its three decimals would round;
  // closed without Aceptar (or Cancelar), it is not taken as accepted.
  for (const bool acepta : {true, false}) {
    double ef = 2.5e-5, em = 0.0625;
    Long cf = 12, cm = 34;
    Boolean mostrar = True;
    Presentador_Guionizado p(acepta ? std::vector{Pulsa("cmdDatosaceptar")} : std::vector<Accion_Usuario>{});
    c_.Parametros_Curvado1(101.75, 100.25, mostrar, ef, em, cf, cm);
    EXPECT_TRUE(ef == 2.5e-5 && em == 0.0625) << acepta;
    EXPECT_TRUE(c_.Estado().Aceptado == A_Booleano(acepta) && c_.Estado().Cancelado == False) << acepta;
  }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
