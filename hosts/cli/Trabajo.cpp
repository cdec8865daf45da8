#include "hosts/cli/Trabajo.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "hosts/cli/Levantamiento.h"
#include "hosts/cli/Vista.h"
#include "hosts/support/Archivo_Atomico.h"
#include "hosts/support/Barra_Progreso_Terminal.h"
#include "hosts/support/Cairo_PictureBox.h"
#include "trilat/c_Triangulos/c_Triangulos.h"
#include "trilat/platform/MsgBox.h"

#ifndef TRILAT_SAMPLE_DATA_DIR
#error "TRILAT_SAMPLE_DATA_DIR names the folder of the bundled sample survey"
#endif

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

constexpr int kAncho_Imagen = 1600;
constexpr int kMargen_Imagen = 20;

// Library messages go to standard error; a critical one means the job cannot give a result.
class Mensajes_A_Stderr {
 public:
  Mensajes_A_Stderr()
      : anterior_(Instala_Presentador_Mensajes([this](const Mensaje& m) {
          std::cerr << m.titulo.value_or(kTitulo_Por_Defecto) << ": " << m.texto << '\n';
          if (m.estilo & vbCritical) critico_ = true;
          return vbOK;
        })) {}
  ~Mensajes_A_Stderr() { Instala_Presentador_Mensajes(std::move(anterior_)); }
  Mensajes_A_Stderr(const Mensajes_A_Stderr&) = delete;
  Mensajes_A_Stderr& operator=(const Mensajes_A_Stderr&) = delete;
  bool Critico() const { return critico_; }

 private:
  bool critico_ = false;
  Presentador_Mensajes anterior_;
};

struct Modelo {
  Long nTri = 0;
  HostArray<Long> Vt1, Vt2, Vt3;
};

void Escribe_Tin(const fs::path& ruta, const Levantamiento& lev, const Modelo& m) {
  Escribe_Atomico(ruta, [&](std::ostream& f) {
    f << "index,v1,v2,v3\n";
    if (!m.Vt1.Allocated() || m.Vt1(0) == 0) return;  // no triangle
    const auto numero = [&](Long k) { return lev.numeros[static_cast<std::size_t>(k - 1)]; };
    for (Long t = 0; t <= m.nTri; ++t)
      f << t << ',' << numero(m.Vt1(t)) << ',' << numero(m.Vt2(t)) << ',' << numero(m.Vt3(t)) << '\n';
  });
}

}  // namespace

int Ejecuta(const Opciones& o) {
  const fs::path puntos = o.orden == "demo" ? fs::path(TRILAT_SAMPLE_DATA_DIR) / "sample_survey.csv" : o.puntos;
  const fs::path salida = o.salida.empty() ? fs::path("trilat-demo") : o.salida;
  const Levantamiento lev = Lee_Puntos(puntos);

  const auto nPt = static_cast<Long>(lev.size());
  HostArray<double> X(1, nPt), Y(1, nPt), Z(1, nPt);
  HostArray<Boolean> Actic(1, nPt);
  for (Long i = 1; i <= nPt; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    X(i) = lev.x[k];
    Y(i) = lev.y[k];
    Z(i) = lev.z[k];
    Actic(i) = True;
  }

  const Vista v = Ajusta_Vista(lev.x, lev.y, kAncho_Imagen, kMargen_Imagen);
  auto imagen = std::make_shared<Cairo_PictureBox>(v.ancho, v.alto);
  ObjectRef draww = imagen;
  ObjectRef progreso = std::make_shared<Barra_Progreso_Terminal>("Triangulación");
  double oX1 = v.oX1, oY1 = v.oY1, EE1 = v.EE1, altoY = v.altoY;

  if (!o.ajustes.empty()) ::setenv("TRILAT_SETTINGS", o.ajustes.c_str(), 1);
  Mensajes_A_Stderr mensajes;
  c_Triangulos tri;
  tri.Param_Dibujo1(oX1, oY1, EE1, altoY, draww, progreso);
  Boolean mostrar = False, cancela = False;
  Long color = 0;
  const auto [zmin, zmax] = std::minmax_element(lev.z.begin(), lev.z.end());
  tri.Parametros_Triangulacion3(*zmax, *zmin, mostrar, cancela, color);
  const auto& p = tri.Estado();
  tri.Parametros_Directos(o.dist_max.value_or(p.Dist_Max),
                          o.ver_formacion ? A_Booleano(*o.ver_formacion) : p.Ver_Formacion,
                          o.color_triangulos.value_or(color));
  Modelo m;
  Long iNoCont = 0;
  HostArray<Long> iV1, iV2;
  double distan = 0;
  tri.Calcula_Triangulos2(nPt, X, Y, Z, Actic, m.nTri, m.Vt1, m.Vt2, m.Vt3, iNoCont, iV1, iV2, distan);
  if (mensajes.Critico() || !m.Vt1.Allocated()) {
    std::cerr << "trilat: no triangulation was made; nothing written\n";
    return 1;
  }

  fs::create_directories(salida);
  Escribe_Tin(salida / "tin.csv", lev, m);
  imagen->Guarda_PNG((salida / "picture.png").string());
  imagen->Guarda_SVG((salida / "picture.svg").string());
  std::cerr << "trilat: " << (m.Vt1(0) == 0 ? 0 : m.nTri + 1) << " triangles from " << nPt << " points written to "
            << salida.string() << '\n';
  return 0;
}

}  // namespace Vyr_Trilat::anfitrion
