#include "trilat/c_Triangulos/Barrido.h"

#include <algorithm>
#include <limits>

#include "trilat/common/mGeom.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/DoEvents.h"
#include "trilat/platform/MsgBox.h"

namespace Vyr_Trilat {

namespace {

// Triangle arrays grow in steps, a little before they are full.
constexpr Long kPaso_Tabla = 500;
constexpr Long kMargen_Tabla = 10;

bool Cruza(const XYZ& a, const XYZ& b, const XYZ& c, const XYZ& d) {
  return mGeom::Cruza_Segmentos(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
}

}  // namespace

bool Barrido::En_Circulo(const XYZ& p, const XYZ& a, const XYZ& b, const XYZ& c) {
  return Vyr_Trilat::En_Circulo(s_.Tolerancia, s_.Circ, p.X, p.Y, a.X, a.Y, b.X, b.Y, c.X, c.Y);
}

bool Barrido::Construye(Long tope_triangulos) {
  Semilla();
  Long inicio_anterior = 0;
  for (;;) {
    if (s_.count == inicio_anterior) return true;
    if (Es_Verdadero(s_.Abortar)) return false;
    inicio_anterior = s_.count;
    const Long desde = s_.Primer_Pto, hasta = s_.nPuntos - 1;
    for (Long i = desde; i <= hasta; ++i) {
      Avance(i);
      // Positions up to the furthest reached write no progress: runs of them may be passed over at once.
      const Long tope = std::min(hasta, maximo_avance_);
      if (Es_Verdadero(s_.Conectado[static_cast<std::size_t>(i)])) {
        i = Sin_Conectar_Desde(i + 1, tope) - 1;
        continue;
      }
      const Long siguiente = Pasa_Quietos(i, tope);
      if (siguiente > i) {
        i = siguiente - 1;
        continue;
      }
      Inserta(i);
      if (s_.count > tope_triangulos) return true;
    }
  }
}

void Barrido::Avance(Long i) {
  if (i <= maximo_avance_) return;
  maximo_avance_ = i;
  Let_Propiedad(s_.Progreso, "Value", Variant::De_Largo(i));
  DoEvents();
}

void Barrido::Semilla() {
  const auto& pts = s_.Puntos_Trab;
  const XYZ& A = pts[0];
  Long B = 0;
  double mejor = s_.Dist_Busqueda;
  for (Long k = 1; k < s_.nPuntos; ++k) {
    const double d = Distancia(A, pts[static_cast<std::size_t>(k)]);
    if (d < mejor) {
      mejor = d;
      B = k;
    }
  }
  const XYZ& PB = pts[static_cast<std::size_t>(B)];
  const XYZ Q{A.X - 0.1, (A.Y + PB.Y) / 2, 0, 0};

  Long C = -1;
  for (Long j = 1; j < s_.nPuntos && C < 0; ++j) {
    if (j == B) continue;
    const XYZ& Pj = pts[static_cast<std::size_t>(j)];
    if (En_Circulo(Q, A, PB, Pj)) continue;
    // The radius is looked at before the scan: both reject, and a wide circle would make the scan long.
    if (s_.Circ.R >= kRadio_Maximo_Semilla) continue;
    const double R2 = s_.Circ.R * s_.Circ.R;
    if (!Hay_Punto_Dentro(1, Pj.X + s_.Dist_Busqueda, B, true, s_.Circ, R2)) C = j;
  }

  if (C < 0) {
    MsgBox("NO ENCUENTRO TRIANGULOS..");
    B = 1;
    C = 2;
  }
  s_.Conectado[0] = True;
  s_.Conectado[static_cast<std::size_t>(B)] = True;
  s_.Conectado[static_cast<std::size_t>(C)] = True;
  Alta_Triangulo(0, B, C);
  s_.count = 1;
  Valida_Triangulo(0);
}

void Barrido::Inserta(Long i) {
  const auto& pts = s_.Puntos_Trab;
  const XYZ& P = pts[static_cast<std::size_t>(i)];
  s_.Punto_Actual = i;
  auto& T = s_.Triangs;
  const Long hasta = s_.count - 1;
  Empieza_Punto(i, hasta);
  for (Long t = Siguiente_Visita(s_.Primer_Tri, hasta, i); t <= hasta; t = Siguiente_Visita(t + 1, hasta, i)) {
    const auto k = static_cast<std::size_t>(t);
    if (Es_Verdadero(T.Cerrado[k])) continue;
    const Long v1 = T.V1[k], v2 = T.V2[k], v3 = T.V3[k];
    const XYZ& A = pts[static_cast<std::size_t>(v1)];
    const XYZ& B = pts[static_cast<std::size_t>(v2)];
    const XYZ& C = pts[static_cast<std::size_t>(v3)];
    if (P.X - s_.Dist_Busqueda >= C.X) {
      s_.Primer_Tri = std::max(s_.Primer_Tri, t);
      s_.Primer_Pto = v1;
      continue;
    }
    bool marcado = false;
    Por_Lados(t, Lejanias(A, B, C, P, lejos_), [&](Long x, Long y, Long o) {
      const bool acepta = Prueba_Lado(x, y, o, i);
      marcado = marcado || acepta;
      return acepta;
    });
    if (Lados_Marcados(t)) {
      Cierra(t);
    } else if (marcado) {
      Lado_Marcado(t);
    }
  }
  Acaba_Punto(i, hasta);
}

template <typename F>
void Barrido::Por_Lados(Long t, const Lejos& lejos, F&& prueba) {
  auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  const Long v1 = T.V1[k], v2 = T.V2[k], v3 = T.V3[k];
  // The flag vectors may grow while an edge is tried, so each is indexed afresh.
  if (!(Es_Verdadero(T.Lado13[k]) && !lejos.AC) && prueba(v1, v3, v2)) T.Lado13[k] = True;
  if (!(Es_Verdadero(T.Lado23[k]) && !lejos.BC) && prueba(v2, v3, v1)) T.Lado23[k] = True;
  if (!(Es_Verdadero(T.Lado12[k]) && !lejos.AB) && prueba(v1, v2, v3)) T.Lado12[k] = True;
}

void Barrido::Cierra(Long t) {
  s_.Triangs.Cerrado[static_cast<std::size_t>(t)] = True;
  Triangulo_Cerrado(t);
}

bool Barrido::Lados_Marcados(Long t) const {
  const auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  return Es_Verdadero(T.Lado12[k]) && Es_Verdadero(T.Lado13[k]) && Es_Verdadero(T.Lado23[k]);
}

Lejos Barrido::Lejanias_De(Long t, Long i) {
  const auto& T = s_.Triangs;
  const auto& pts = s_.Puntos_Trab;
  const auto k = static_cast<std::size_t>(t);
  return Lejanias(pts[static_cast<std::size_t>(T.V1[k])], pts[static_cast<std::size_t>(T.V2[k])],
                  pts[static_cast<std::size_t>(T.V3[k])], pts[static_cast<std::size_t>(i)], lejos_);
}

bool Barrido::Solo_Cierra(Long t, Long i) {
  const Lejos l = Lejanias_De(t, i);
  return !l.AB && !l.BC && !l.AC;
}

bool Barrido::Aceptaria(Long t, Long i) {
  const Circulo antes = s_.Circ;
  bool acepta = false;
  Por_Lados(t, Lejanias_De(t, i), [&](Long x, Long y, Long o) {
    acepta = acepta || Acepta_Lado(x, y, o, i);
    return false;
  });
  s_.Circ = antes;
  return acepta;
}

bool Barrido::Acepta_Lado(Long x, Long y, Long o, Long i) {
  const auto& pts = s_.Puntos_Trab;
  const XYZ& X = pts[static_cast<std::size_t>(x)];
  const XYZ& Y = pts[static_cast<std::size_t>(y)];
  const XYZ& O = pts[static_cast<std::size_t>(o)];
  const XYZ& P = pts[static_cast<std::size_t>(i)];
  // P must lie on the far side of the edge from O.
  if (Cruza(X, P, O, Y) || Cruza(Y, P, O, X)) return false;
  if (En_Circulo(O, X, Y, P)) return false;
  if (s_.Circ.R >= kRadio_Maximo) return false;
  const double R2 = s_.Circ.R * s_.Circ.R;
  return !Hay_Punto_Dentro(s_.Primer_Pto, P.X + s_.Dist_Busqueda, o, false, s_.Circ, R2);
}

bool Barrido::Prueba_Lado(Long x, Long y, Long o, Long i) {
  if (!Acepta_Lado(x, y, o, i)) return false;
  if (s_.Contador_Lados < std::numeric_limits<Long>::max()) ++s_.Contador_Lados;
  Alta_Triangulo(x, y, i);
  s_.Conectado[static_cast<std::size_t>(i)] = True;
  ++s_.count;
  Valida_Triangulo(s_.count - 1);
  return true;
}

void Barrido::Alta_Triangulo(Long a, Long b, Long p) {
  Long v[3] = {a, b, p};
  std::sort(v, v + 3);
  auto& T = s_.Triangs;
  if (s_.count > T.Limite() - kMargen_Tabla) T.Amplia(T.Limite() + kPaso_Tabla);
  const auto k = static_cast<std::size_t>(s_.count);
  T.V1[k] = v[0];
  T.V2[k] = v[1];
  T.V3[k] = v[2];
  Triangulo_Nuevo(s_.count);
  if (s_.count == 0) return;
  // The edge opposite the new point is the old triangle's edge it was built through.
  const bool nuevo_en_1 = p == v[0], nuevo_en_2 = !nuevo_en_1 && p == v[1], nuevo_en_3 = !nuevo_en_1 && !nuevo_en_2;
  if (nuevo_en_1) T.Lado23[k] = True;
  if (nuevo_en_2) T.Lado13[k] = True;
  if (nuevo_en_3) T.Lado12[k] = True;
  if (s_.Contador_Lados > 1) {
    if (!nuevo_en_3) T.Lado12[k] = A_Booleano(Marca_Lado(v[0], v[1]));
    if (!nuevo_en_2) T.Lado13[k] = A_Booleano(Marca_Lado(v[0], v[2]));
    if (!nuevo_en_1) T.Lado23[k] = A_Booleano(Marca_Lado(v[1], v[2]));
  }
  Lado_Marcado(s_.count);
}

bool Barrido::Marca_Si_Tiene(Long t, Long u, Long w) {
  auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  // u < w and the corners ascend, so the pair sits in at most one of the three edges.
  Boolean* lado = T.V1[k] == u && T.V2[k] == w   ? &T.Lado12[k]
                  : T.V1[k] == u && T.V3[k] == w ? &T.Lado13[k]
                  : T.V2[k] == u && T.V3[k] == w ? &T.Lado23[k]
                                                 : nullptr;
  if (!lado) return false;
  *lado = True;
  Lado_Marcado(t);
  return true;
}

void Barrido::Valida_Triangulo(Long t) {
  const auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  const XYZ& A = s_.Puntos_Trab[static_cast<std::size_t>(T.V1[k])];
  const XYZ& B = s_.Puntos_Trab[static_cast<std::size_t>(T.V2[k])];
  const XYZ& C = s_.Puntos_Trab[static_cast<std::size_t>(T.V3[k])];
  if (Lados_Largos(A, B, C, largo_)) {
    s_.Triangs.Excluido[k] = True;
  } else if (Es_Verdadero(s_.Ver_Formacion)) {
    mDibuja::Triangulo(A.X, A.Y, B.X, B.Y, C.X, C.Y);
  }
}

}  // namespace Vyr_Trilat
