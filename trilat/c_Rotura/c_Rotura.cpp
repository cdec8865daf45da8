#include "trilat/c_Rotura/c_Rotura.h"

#include <new>
#include <string>
#include <vector>

#include "trilat/c_Rotura/Mete_Roturas.h"
#include "trilat/c_Rotura/Pto_en_Poligono.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat {

namespace {

void Aviso(const char* texto) { MsgBox(texto, vbCritical); }

// A number as the host writes it into text: a blank where a minus sign would stand.
std::string Con_Signo(Long v) { return (v >= 0 ? " " : "") + std::to_string(v); }

// Running out of memory reaches the host as its out-of-memory error, like every other failure of the call.
template <typename F>
void Con_Memoria(F&& f) {
  try {
    f();
  } catch (const std::bad_alloc&) {
    throw RuntimeError(7, Descripcion_Error(7));
  }
}

}  // namespace

c_Rotura::c_Rotura() : crea_busqueda_(Crea_Busqueda_Indexada) {}

void c_Rotura::Param_Dibujo(double&, double&, double&, double&, ObjectRef&, ObjectRef*) {}

void c_Rotura::Param_Dibujo1(double& oX1, double& oY1, double& EE1, double& altoY, ObjectRef& draww, Long& tricolor,
                             ObjectRef*) {
  try {
    s_.tricolor = tricolor;
    mDibuja::Pon_Vista(oX1, oY1, EE1, altoY, draww);
    const Variant formacion =
        c_Ajustes::Instancia().Lee_Valor("MDT", "Triangulación", "Formacion", Variant::De_Entero(1));
    s_.Formacion = formacion.A_Booleano();
  } catch (const RuntimeError& e) {
    Informe_Error("Rot Parametro dibujo 1 - Error nº ", e);
  }
}

void c_Rotura::Mete_Triang_con_Rotura(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>&, Long&,
                                      HostArray<Long>&, HostArray<Long>&, HostArray<Long>&) {
  if (nPt < 3) {
    Aviso("No hay Puntos");
    return;
  }
  Con_Memoria([&] { Copia_Puntos(nPt, X1, Y1); });
}

bool c_Rotura::Valida(Long nPt, Long nTri) {
  if (nTri < 1) {
    Aviso("No hay triangulación");
    return false;
  }
  if (nPt < 3) {
    Aviso("No hay Puntos");
    return false;
  }
  return true;
}

bool c_Rotura::Copia_Triangulos(Long nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3,
                                bool busca_arista, Long Pto1, Long Pto2) {
  const Long n = Suma(nTri, 1);
  s_.Triangs.ReDim(1, n);
  for (Long i = 1; i <= n; ++i) {
    Triang_Rot& t = s_.Triangs(i);
    t.V1 = V1(i - 1);
    t.V2 = V2(i - 1);
    t.V3 = V3(i - 1);
    t.Num = i - 1;
    if (!busca_arista) continue;
    const auto par = [&](Long p, Long q) { return (p == Pto1 && q == Pto2) || (p == Pto2 && q == Pto1); };
    if (par(t.V1, t.V2) || par(t.V1, t.V3) || par(t.V2, t.V3)) return false;
  }
  return true;
}

void c_Rotura::Copia_Puntos(Long nPt, HostArray<double>& X1, HostArray<double>& Y1) {
  s_.Coord.ReDim(0, nPt);
  for (Long i = 1; i <= nPt; ++i) s_.Coord(i) = {X1(i), Y1(i)};
}

void c_Rotura::Fuerza(Busqueda_Rotura& busqueda, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3) {
  for (const Triang_Rot& r : Mete_Roturas(s_, busqueda)) {
    V1(r.Num) = r.V1;
    V2(r.Num) = r.V2;
    V3(r.Num) = r.V3;
  }
}

void c_Rotura::Calcula_Triang_con_Rotura(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>&,
                                         Long& nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3,
                                         Long Pto1, Long Pto2) {
  if (!Valida(nPt, nTri)) return;
  Con_Memoria([&] {
    if (!Copia_Triangulos(nTri, V1, V2, V3, true, Pto1, Pto2)) return;
    Copia_Puntos(nPt, X1, Y1);
    PictureBox& draww = mDibuja::Superficie();
    draww.Let_ForeColor(s_.tricolor);
    draww.Let_DrawWidth(1);
    draww.Let_AutoRedraw(True);
    const auto busqueda = crea_busqueda_(s_);
    const bool hay_1 = busqueda->Busca_Vertice(Pto1);
    const bool hay_2 = busqueda->Busca_Vertice(Pto2);
    if (!hay_1 || !hay_2) return;
    s_.Roturas.ReDim(1, 1);
    s_.Roturas(1) = {Pto1, Pto2};
    mDibuja::Linea(s_.Coord(Pto1).X, s_.Coord(Pto1).Y, s_.Coord(Pto2).X, s_.Coord(Pto2).Y);
    s_.nRoturas = 1;
    draww.Let_DrawWidth(1);
    s_.Pol.Erase();
    s_.nPol = 0;
    Fuerza(*busqueda, V1, V2, V3);
    mDibuja::Superficie().Let_AutoRedraw(True);
  });
}

void c_Rotura::Calcula_Triang_con_Polilineas(Long nPt, HostArray<double>& X1, HostArray<double>& Y1, HostArray<double>&,
                                             Long& nTri, HostArray<Long>& V1, HostArray<Long>& V2, HostArray<Long>& V3,
                                             Long nPol, HostArray<Polilinea>& Pol) {
  if (!Valida(nPt, nTri)) return;
  Con_Memoria([&] {
    Copia_Triangulos(nTri, V1, V2, V3, false, 0, 0);
    Copia_Puntos(nPt, X1, Y1);
    s_.Pol = Pol;
    s_.nPol = nPol;
    s_.nRoturas = 0;
    PictureBox& draww = mDibuja::Superficie();
    draww.Let_ForeColor(s_.tricolor);
    draww.Let_DrawWidth(2);
    draww.Let_AutoRedraw(False);
    const auto busqueda = crea_busqueda_(s_);
    std::vector<Par_Rotura> pares;
    for (Long p = 1; p <= s_.nPol; ++p) {
      const Polilinea& linea = s_.Pol(p);
      for (Long k = 1; k <= linea.nPtos - 1; ++k) {
        Long a = linea.Ptos(k), b = linea.Ptos(k + 1);
        const bool hay_a = busqueda->Busca_Vertice(a);
        const bool hay_b = busqueda->Busca_Vertice(b);
        if (hay_a && hay_b) {
          pares.push_back({a, b});
        } else {
          MsgBox("no existe la recta " + Con_Signo(a) + " - " + Con_Signo(b));
        }
      }
    }
    s_.nRoturas = static_cast<Long>(pares.size());
    s_.Roturas.ReDim(1, s_.nRoturas);
    for (Long k = 1; k <= s_.nRoturas; ++k) s_.Roturas(k) = pares[static_cast<std::size_t>(k - 1)];
    draww.Let_DrawWidth(1);
    s_.Pol.Erase();
    s_.nPol = 0;
    Fuerza(*busqueda, V1, V2, V3);
    mDibuja::Superficie().Let_AutoRedraw(True);
  });
}

Boolean c_Rotura::Pto_en_Poligono(HostArray<Long>& Vert, Long nVrt, double& xPt, double& yTt, Long* Loc) {
  Boolean dentro = False;
  Con_Memoria([&] { dentro = Vyr_Trilat::Pto_en_Poligono(s_.Coord, Vert, nVrt, xPt, yTt, Loc); });
  return dentro;
}

Boolean c_Rotura::Pto_en_Poligono_0(HostArray<Long>&, Long, double&, double&, Long*) { return False; }

}  // namespace Vyr_Trilat
