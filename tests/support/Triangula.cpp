#include "tests/support/Triangula.h"

namespace Vyr_Trilat::prueba {

Arrays_Anfitrion::Arrays_Anfitrion(const Nube& c)
    : nPt(static_cast<Long>(c.size())), X(1, nPt), Y(1, nPt), Z(1, nPt), Actic(1, nPt) {
  for (Long i = 1; i <= nPt; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    X(i) = c.x[k];
    Y(i) = c.y[k];
    Z(i) = c.z[k];
    Actic(i) = True;
  }
}

void Prepara_Dibujo(c_Triangulos& t, std::shared_ptr<Superficie_Grabadora> sup,
                    std::shared_ptr<Progreso_Grabador> prog) {
  ObjectRef draww = sup ? sup : std::make_shared<Superficie_Grabadora>();
  ObjectRef progreso = prog ? prog : std::make_shared<Progreso_Grabador>();
  double o = 0, e = 1, alto = 1000;
  t.Param_Dibujo1(o, o, e, alto, draww, progreso);
}

void Prepara(c_Triangulos& t, double dist_max) {
  Prepara_Dibujo(t);
  t.Parametros_Directos(dist_max, False, 0);
}

Resultado Calcula(c_Triangulos& t, Arrays_Anfitrion& a) {
  Resultado r;
  Mensajes_Grabados mensajes;
  Long iNoCont = 0;
  HostArray<Long> iV1, iV2;
  double distan = 0;
  t.Calcula_Triangulos2(a.nPt, a.X, a.Y, a.Z, a.Actic, r.nTri, r.Vt1, r.Vt2, r.Vt3, iNoCont, iV1, iV2, distan);
  r.tris = Triangulos(r.nTri, r.Vt1, r.Vt2, r.Vt3);
  r.mensajes = mensajes.Lista();
  return r;
}

Resultado Triangula(const Nube& c, double dist_max) {
  c_Triangulos t;
  Prepara(t, dist_max);
  Arrays_Anfitrion a(c);
  return Calcula(t, a);
}

}  // namespace Vyr_Trilat::prueba
