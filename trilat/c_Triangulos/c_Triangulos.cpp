#include "trilat/c_Triangulos/c_Triangulos.h"

#include <algorithm>
#include <new>
#include <utility>

#include "trilat/c_Triangulos/Barrido_Rapido.h"
#include "trilat/c_Triangulos/Construccion.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/dialogs/f_Tri_P.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/Omite_Error.h"
#include "trilat/sibling/c_Puntos.h"

namespace Vyr_Trilat {

namespace {

constexpr const char* kTitulo = "Triangulacion:";
constexpr Integer kCopyPen = 13;

void Sin_Puntos(const char* texto) { MsgBox(texto, vbCritical, kTitulo); }

}  // namespace

c_Triangulos::c_Triangulos() : construye_(Construye_Rapido) {}

void c_Triangulos::A_ABORTA(const Boolean& abortar) { s_.Abortar = abortar; }

void c_Triangulos::CuantoVaYa(Long& Cuantos, Long& deptos) const {
  Cuantos = s_.Punto_Actual;
  deptos = s_.nPuntos;
}

void c_Triangulos::CalculaContornos(Long& iNoCont, HostArray<Long>& iV1, HostArray<Long>& iV2) const {
  iNoCont = iNoCont_;
  iV1 = iV1_;
  iV2 = iV2_;
}

void c_Triangulos::Param_Dibujo(double&, double&, double&, double&, ObjectRef&, ObjectRef&) {}

void c_Triangulos::Param_Dibujo1(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww,
                                 ObjectRef& Progreso) {
  try {
    mDibuja::Pon_Vista(oX1, oY1, EE1, altoY, draww);
    s_.Progreso = Progreso;
  } catch (const RuntimeError& e) {
    Informe_Error("Tri Parametros dibujo 1 - Error nº ", e);
  }
}

void c_Triangulos::Parametros_Triangulacion(double, double, Boolean&) {}
void c_Triangulos::Parametros_Triangulacion1(double, double, Boolean&, Boolean&) {}
void c_Triangulos::Parametros_Triangulacion2(double, double, Boolean&, Boolean&, Long&) {}

void c_Triangulos::Parametros_Triangulacion3(double MaxZ, double MinZ, Boolean& Show, Boolean& Cancela, Long& colortri,
                                             const Boolean& Formacion) {
  // A failing step is skipped and the next one runs, so a damaged setting cannot stop a host from computing.
  f_Tri_P dialogo;
  Omite_Error([&] { dialogo.Load(); });
  Omite_Error([&] { dialogo.Let_A_Cota_Maxima(MaxZ); });
  Omite_Error([&] { dialogo.Let_A_Cota_Minima(MinZ); });
  if (Es_Verdadero(Show)) Omite_Error([&] { dialogo.Show_Modal(); });
  Omite_Error([&] { s_.Dist_Busqueda = dialogo.A_Distac_Maxima() * 10; });
  Omite_Error([&] { s_.Dist_Max = dialogo.A_Distac_Maxima(); });
  Omite_Error([&] { Cota_Max_ = dialogo.A_Cota_Maxima(); });
  Omite_Error([&] { Cota_Min_ = dialogo.A_Cota_Minima(); });
  Omite_Error([&] { s_.Ver_Formacion = Es_Verdadero(Formacion) ? dialogo.A_Ver_Formacion() : False; });
  Omite_Error([&] { colortri = dialogo.A_color; });
  dialogo.Let_Siempre_Encima(false);
  Omite_Error([&] { Aceptado_ = dialogo.A_Aceptar; });
  Omite_Error([&] { Cancelado_ = dialogo.A_CancelarMDT1; });
  Omite_Error([&] { dialogo.Unload(); });
  Cancela = Cancelado_;
  s_.Color_Tri = colortri;
}

void c_Triangulos::Parametros_Directos(double dist_max, Boolean ver_formacion, Long color_tri) {
  s_.Dist_Max = dist_max;
  s_.Dist_Busqueda = dist_max * 10;
  s_.Ver_Formacion = ver_formacion;
  s_.Color_Tri = color_tri;
}

void c_Triangulos::Calcula_Triangulos(Long, HostArray<double>&, HostArray<double>&, HostArray<double>&, Long&,
                                      HostArray<Long>&, HostArray<Long>&, HostArray<Long>&, Long&, HostArray<Long>&,
                                      HostArray<Long>&) {}

void c_Triangulos::Calcula_Triangulos1(Long, HostArray<double>&, HostArray<double>&, HostArray<double>&, Long&,
                                       HostArray<Long>&, HostArray<Long>&, HostArray<Long>&, Long&, HostArray<Long>&,
                                       HostArray<Long>&, double&) {}

Boolean c_Triangulos::inCircle0(double Xp, double Yp, double X1, double Y1, double X2, double Y2, double X3, double Y3,
                                Boolean*) {
  return A_Booleano(En_Circulo(s_.Tolerancia, s_.Circ, Xp, Yp, X1, Y1, X2, Y2, X3, Y3));
}

bool c_Triangulos::Selecciona_y_Ordena(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                                       HostArray<Boolean>& Actic) {
  if (nPt < 3) {
    Sin_Puntos("No hay puntos para triangular");
    return false;
  }
  HostArray<double> lx(1, nPt), ly(1, nPt), lz(1, nPt);
  numeros_.ReDim(1, nPt);
  Long n = 0;
  for (Long i = 1; i <= nPt; ++i) {
    if (!Es_Verdadero(Actic(i))) continue;
    ++n;
    lx(n) = X(i);
    ly(n) = Y(i);
    lz(n) = Z(i);
    numeros_(n) = i;
  }
  if (n < 3) {
    Sin_Puntos("No hay puntos para triangular");
    return false;
  }

  c_Puntos puntos;
  puntos.Depura_Puntos(n, lx, ly, lz, numeros_, s_.Progreso, kTolerancia_Depuracion, False);
  // The cleaned points are triangulated on another thread while they are turned and sorted.
  {
    std::vector<double> x(static_cast<std::size_t>(std::max<Long>(n, 0))), y(x.size());
    for (Long k = 1; k <= n; ++k)
      x[static_cast<std::size_t>(k - 1)] = lx(k), y[static_cast<std::size_t>(k - 1)] = ly(k);
    auto en_curso = std::make_shared<Delaunay_Adelantada>();
    if (en_curso->Empieza(std::move(x), std::move(y))) s_.Delaunay_En_Curso = std::move(en_curso);
  }
  const Vert origen{lx(1), ly(1)};
  for (Long k = 1; k <= n; ++k) {
    const Vert g = Gira(origen, {lx(k), ly(k)});
    lx(k) = g.X;
    ly(k) = g.Y;
  }
  indices_.ReDim(1, std::max<Long>(n, 1));
  for (Long k = 1; k <= n; ++k) indices_(k) = k;
  puntos.Ordena_Indices(n, lx, indices_, s_.Progreso);
  if (s_.Delaunay_En_Curso) {
    std::vector<int> posicion(static_cast<std::size_t>(n));
    for (Long k = 1; k <= n; ++k) posicion[static_cast<std::size_t>(indices_(k) - 1)] = static_cast<int>(k - 1);
    s_.Delaunay_En_Curso->Posiciones(std::move(posicion));
  }
  s_.nPuntos = n;
  if (n < 3) {
    Sin_Puntos("No hay suficientes puntos para triangular");
    return false;
  }
  return true;
}

void c_Triangulos::Calcula_Triangulos2(Long nPt, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                                       HostArray<Boolean>& Actic, Long& nTri, HostArray<Long>& Vt1,
                                       HostArray<Long>& Vt2, HostArray<Long>& Vt3, Long&, HostArray<Long>&,
                                       HostArray<Long>&, double&) {
  // A triangulation begun ahead is not kept past the run, however the run ends (its thread is waited for here).
  struct Suelta {
    Estado_Triangulos& s;
    ~Suelta() { s.Delaunay_En_Curso.reset(); }
  } suelta{s_};
  try {
    try {
      if (!Selecciona_y_Ordena(nPt, X, Y, Z, Actic)) return;

      PictureBox& draww = mDibuja::Superficie();
      draww.Let_DrawMode(kCopyPen);
      draww.Let_AutoRedraw(False);
      Let_Propiedad(s_.Progreso, "Value", Variant::De_Entero(0));
      Let_Propiedad(s_.Progreso, "Max", Variant::De_Largo(s_.nPuntos));
      Let_Propiedad(s_.Progreso, "Visible", Variant::De_Booleano(True));
      if (Es_Verdadero(s_.Ver_Formacion)) draww.Let_ForeColor(s_.Color_Tri);

      Prepara_Tablas(s_, nPt, X, Y, Z, numeros_, indices_);
      if (!construye_(s_)) return;
      const Modelo modelo = Completa(s_);
      s_.Delaunay.reset();
      s_.Del_Barrido = static_cast<Long>(modelo.del_barrido);
      s_.Del_Completado = static_cast<Long>(modelo.triangulos.size() - modelo.del_barrido);
      if (Es_Verdadero(s_.Ver_Formacion)) {
        for (std::size_t t = modelo.del_barrido; t < modelo.triangulos.size(); ++t) {
          const auto& v = modelo.triangulos[t];
          const auto& a = s_.Puntos_Trab[static_cast<std::size_t>(v[0])];
          const auto& b = s_.Puntos_Trab[static_cast<std::size_t>(v[1])];
          const auto& c = s_.Puntos_Trab[static_cast<std::size_t>(v[2])];
          mDibuja::Triangulo(a.X, a.Y, b.X, b.Y, c.X, c.Y);
        }
        mDibuja::Superficie().Let_AutoRedraw(True);
      }
      Escribe_Salida(s_, modelo, nTri, Vt1, Vt2, Vt3);
      iNoCont_ = 0;
      s_.Triangs.Libera_Vertices();
      Let_Propiedad(s_.Progreso, "Visible", Variant::De_Booleano(False));
    } catch (const std::bad_alloc&) {
      throw RuntimeError(7, Descripcion_Error(7));
    }
  } catch (const RuntimeError& e) {
    Informe_Error("Calcula triangulos 2 - Error nº ", e);
    // The report has been shown; a progress object that cannot even be hidden must not fail the host's call.
    try {
      Let_Propiedad(s_.Progreso, "Visible", Variant::De_Booleano(False));
    } catch (const RuntimeError&) {
    }
  }
}

}  // namespace Vyr_Trilat
