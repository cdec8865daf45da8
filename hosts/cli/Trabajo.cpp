#include "hosts/cli/Trabajo.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iomanip>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>

#include "hosts/cli/Carpeta_Salida.h"
#include "hosts/cli/Curvas_Limpias.h"
#include "hosts/cli/Interrupcion.h"
#include "hosts/cli/Lectura_Roturas.h"
#include "hosts/cli/Lectura_Roturas_OGR.h"
#include "hosts/cli/Lectura_Tin.h"
#include "hosts/cli/Levantamiento.h"
#include "hosts/cli/Parametros_Curvas.h"
#include "hosts/cli/Roturas_Ausentes.h"
#include "hosts/cli/Roturas_Sin_Esquina.h"
#include "hosts/cli/Salida_Curvas_OGR.h"
#include "hosts/cli/Salida_GeoJSON.h"
#include "hosts/cli/Salida_LandXML.h"
#include "hosts/cli/Sustitutos_Roturas.h"
#include "hosts/cli/Texto_Visible.h"
#include "hosts/cli/Tiempos.h"
#include "hosts/cli/Vista.h"
#include "hosts/support/Archivo_Atomico.h"
#include "hosts/support/Barra_Progreso_Terminal.h"
#include "hosts/support/Cairo_PictureBox.h"
#include "hosts/support/Presentador_Terminal.h"
#include "hosts/support/Superficie_Nula.h"
#include "trilat/c_Curvado/Niveles.h"
#include "trilat/c_Curvado/c_Curvado.h"
#include "trilat/c_Rotura/c_Rotura.h"
#include "trilat/c_Triangulos/c_Triangulos.h"
#include "trilat/common/En_Otro_Hilo.h"
#include "trilat/dialogs/f_Curv_P.h"
#include "trilat/platform/DoEvents.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/RuntimeError.h"
#include "trilat/sibling/Archivo_Ajustes.h"

#ifndef TRILAT_SAMPLE_DATA_DIR
#error "TRILAT_SAMPLE_DATA_DIR names the folder of the bundled sample survey"
#endif

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

constexpr int kAncho_Imagen = 1600;
constexpr int kMargen_Imagen = 20;
constexpr Long kColor_Roturas = 255;  // red, red in the low byte

// Library messages are shown where they were before (the terminal's dialogs with --dialog), or on standard error
// as "TITLE: TEXT"; and counted: a critical one during a computation means the job cannot give a result (one from
// a dialog's load only corrects a remembered value).
class Mensajes_Del_Trabajo {
 public:
  Mensajes_Del_Trabajo()
      : anterior_(Instala_Presentador_Mensajes([this](const Mensaje& m) {
          if (m.estilo & vbCritical) critico_ = true;
          ++dichos_;
          if (anterior_) return anterior_(m);
          std::cerr << m.titulo.value_or(kTitulo_Por_Defecto) << ": " << m.texto << '\n';
          return vbOK;
        })) {}
  ~Mensajes_Del_Trabajo() { Instala_Presentador_Mensajes(std::move(anterior_)); }
  Mensajes_Del_Trabajo(const Mensajes_Del_Trabajo&) = delete;
  Mensajes_Del_Trabajo& operator=(const Mensajes_Del_Trabajo&) = delete;
  bool Critico() const { return critico_; }
  // Messages said since the calculation began, critical or not.
  int Dichos() const { return dichos_; }
  void Empieza_Calculo() { critico_ = false, dichos_ = 0; }

 private:
  bool critico_ = false;
  int dichos_ = 0;
  Presentador_Mensajes anterior_;
};

// A job that cannot go on: the message has been said; nothing is written.
struct Trabajo_Detenido {
  int estado;
};

struct Modelo_Anfitrion {
  Long nPt = 0;
  HostArray<double> X, Y, Z;
  HostArray<Boolean> Actic;
  Long nTri = 0;
  HostArray<Long> Vt1, Vt2, Vt3;

  bool Tiene_Triangulos() const { return Vt1.Allocated() && Vt1(0) != 0; }
  std::vector<std::array<std::int64_t, 3>> Triangulos(const Levantamiento& lev) const {
    std::vector<std::array<std::int64_t, 3>> r;
    if (!Tiene_Triangulos()) return r;
    const auto numero = [&](Long k) { return lev.numeros[static_cast<std::size_t>(k - 1)]; };
    for (Long t = 0; t <= nTri; ++t) r.push_back({numero(Vt1(t)), numero(Vt2(t)), numero(Vt3(t))});
    return r;
  }
};

Modelo_Anfitrion Arrays_Del(const Levantamiento& lev) {
  Modelo_Anfitrion m;
  m.nPt = static_cast<Long>(lev.size());
  m.X.ReDim(1, m.nPt), m.Y.ReDim(1, m.nPt), m.Z.ReDim(1, m.nPt), m.Actic.ReDim(1, m.nPt);
  for (Long i = 1; i <= m.nPt; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    m.X(i) = lev.x[k], m.Y(i) = lev.y[k], m.Z(i) = lev.z[k], m.Actic(i) = True;
  }
  return m;
}

void Comprueba_Interrupcion() {
  if (Interrupcion_Pedida()) {
    std::cerr << "trilat: interrupted; nothing written\n";
    throw Trabajo_Detenido{Salida_Interrumpida()};
  }
}

void Detiene(const std::string& por_que) {
  std::cerr << "trilat: " << por_que << "; nothing written\n";
  throw Trabajo_Detenido{1};
}

ObjectRef Barra(const Opciones& o, const char* etiqueta) {
  return std::make_shared<Barra_Progreso_Terminal>(etiqueta, o.silencioso);
}

void Triangula(const Opciones& o, const Levantamiento& lev, Modelo_Anfitrion& m, const Vista& v, ObjectRef& draww,
               const Tiempos& tiempos, Mensajes_Del_Trabajo& mensajes) {
  c_Triangulos tri;
  double oX1 = v.oX1, oY1 = v.oY1, EE1 = v.EE1, altoY = v.altoY;
  ObjectRef progreso = Barra(o, "Triangulación");
  tri.Param_Dibujo1(oX1, oY1, EE1, altoY, draww, progreso);
  Boolean mostrar = A_Booleano(o.dialogo), cancela = False;
  Long color = 0;
  const auto [zmin, zmax] = std::minmax_element(lev.z.begin(), lev.z.end());
  tri.Parametros_Triangulacion3(*zmax, *zmin, mostrar, cancela, color);
  if (Es_Verdadero(cancela)) Detiene("the triangulation dialog was cancelled");
  const auto& p = tri.Estado();
  // The dialog shows the remembered maximum side and keeps what it accepts; this run's option still decides.
  if (o.dialogo && o.dist_max && *o.dist_max != p.Dist_Max) {
    std::cerr << "trilat: --dist-max " << *o.dist_max << " is used for this run, not the dialog's " << p.Dist_Max
              << '\n';
  }
  tri.Parametros_Directos(o.dist_max.value_or(p.Dist_Max),
                          o.ver_formacion ? A_Booleano(*o.ver_formacion) : p.Ver_Formacion,
                          o.color_triangulos.value_or(color));

  // Ctrl-C reaches the triangulation through its abort request, when it lets the message loop run.
  const Bucle_Mensajes anterior = Instala_Bucle_Mensajes([&tri] {
    if (Interrupcion_Pedida()) tri.A_ABORTA(True);
  });
  Long iNoCont = 0;
  HostArray<Long> iV1, iV2;
  double distan = 0;
  mensajes.Empieza_Calculo();
  tri.Calcula_Triangulos2(m.nPt, m.X, m.Y, m.Z, m.Actic, m.nTri, m.Vt1, m.Vt2, m.Vt3, iNoCont, iV1, iV2, distan);
  Instala_Bucle_Mensajes(anterior);
  Comprueba_Interrupcion();
  // A model without triangles is no result, whether contours are to follow or not.
  if (mensajes.Critico() || !m.Tiene_Triangulos()) {
    // The maximum side it was tried with says most (one below the survey's spacing makes no triangle).
    std::ostringstream por_que;
    por_que << "no triangulation was made with a maximum side of " << tri.Estado().Dist_Max << " and circumradii under "
            << kRadio_Maximo;
    Detiene(por_que.str());
  }
  tiempos.Cuenta("sweep", tri.Estado().Del_Barrido);
  tiempos.Cuenta("completion", tri.Estado().Del_Completado);
}

// `esquina[k]`: the survey's point at library position k + 1 is a corner of the model.
std::vector<bool> Esquinas(const Levantamiento& lev, const Modelo_Anfitrion& m) {
  std::vector<bool> esquina(lev.size(), false);
  for (Long t = 0; t <= m.nTri; ++t)
    for (const Long k : {m.Vt1(t), m.Vt2(t), m.Vt3(t)}) esquina[static_cast<std::size_t>(k - 1)] = true;
  return esquina;
}

// Points that are corners of no triangle add nothing to the model, the contours or the tin's elevations: how many,
// and why, so that a survey the model covers only in part is not taken for a whole one.
void Avisa_Puntos_Fuera(const Levantamiento& lev, const Modelo_Anfitrion& m, bool modelo_dado) {
  const std::vector<bool> esquina = Esquinas(lev, m);
  std::vector<std::vector<std::int64_t>> fuera(1);
  for (std::size_t k = 0; k < lev.size(); ++k)
    if (!esquina[k]) fuera[0].push_back(lev.numeros[k]);
  if (fuera[0].empty()) return;
  const std::size_t n = fuera[0].size();
  const std::size_t repetidos =
      modelo_dado ? 0 : Sustituye_Repetidos(fuera, lev, esquina, c_Triangulos::kTolerancia_Depuracion).size();
  std::cerr << "trilat: " << n << " of the " << lev.size() << " points " << (n == 1 ? "is" : "are")
            << " in no triangle: ";
  if (modelo_dado) {
    std::cerr << "the given model leaves " << (n == 1 ? "it" : "them") << " out\n";
    return;
  }
  if (repetidos > 0)
    std::cerr << repetidos << " repeat" << (repetidos == 1 ? "s" : "") << " a corner closer than "
              << c_Triangulos::kTolerancia_Depuracion << " (the model keeps only one of such points)"
              << (repetidos < n ? "; " : "\n");
  if (repetidos < n)
    std::cerr << n - repetidos << " lie" << (n - repetidos == 1 ? "s" : "")
              << " beyond the reach of any triangle with sides at most the maximum side and a circumradius under "
              << kRadio_Maximo << '\n';
}

// `modelo_dado`: the model came with --tin, so a point it leaves out was not merged by cleaning.
void Fuerza_Roturas(std::vector<std::vector<std::int64_t>> lineas, const Levantamiento& lev, Modelo_Anfitrion& m,
                    const Vista& v, ObjectRef& draww, bool modelo_dado) {
  const std::vector<bool> esquina = Esquinas(lev, m);
  for (const Sustituto& s : Sustituye_Repetidos(lineas, lev, esquina, c_Triangulos::kTolerancia_Depuracion)) {
    std::ostringstream distancia;
    distancia << std::fixed << std::setprecision(3) << s.distancia;
    std::cerr << "trilat: breakline point " << s.punto << " is taken as point " << s.por << ", " << distancia.str()
              << " away (";
    if (modelo_dado) {
      std::cerr << "the given model has no corner at it)\n";
    } else {
      std::cerr << "the model keeps only one of points closer than " << c_Triangulos::kTolerancia_Depuracion << ")\n";
    }
  }
  for (const Segmento_Apartado& s : Aparta_Sin_Esquina(lineas, lev, esquina))
    std::cerr << "trilat: breakline segment " << s.desde << " - " << s.hasta << " is not forced: point " << s.fuera
              << " is no corner of the model\n";
  // A model of one triangle has nothing to force (a segment between its corners is one of its edges), and the
  // forcing asks for two: the segments it does not hold are named below as any others.
  const auto fuerza = [&](const std::vector<std::vector<std::int64_t>>& estas) {
    if (m.nTri < 1) return;
    c_Rotura rotura;
    double oX1 = v.oX1, oY1 = v.oY1, EE1 = v.EE1, altoY = v.altoY;
    Long color = kColor_Roturas;
    rotura.Param_Dibujo1(oX1, oY1, EE1, altoY, draww, color);
    HostArray<Polilinea> pol = Polilineas_Biblioteca(estas, lev);
    rotura.Calcula_Triang_con_Polilineas(m.nPt, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3,
                                         static_cast<Long>(estas.size()), pol);
  };
  fuerza(lineas);
  // Forcing a breakline undoes the edges of those it crosses, whether the model holds them or not: a segment undone
  // by one that was then undone in turn is forced again, as long as none that the model holds crosses it (so the
  // forcing undoes nothing the model holds), and while that brings more of them into the model.
  std::vector<Segmento_Ausente> ausentes = Roturas_Ausentes(lineas, lev, m.Triangulos(lev));
  for (;;) {
    std::vector<std::vector<std::int64_t>> otra_vez;
    for (const Segmento_Ausente& s : ausentes)
      if (s.cruza && !s.estorba) otra_vez.push_back({s.desde, s.hasta});
    if (otra_vez.empty()) break;
    fuerza(otra_vez);
    std::vector<Segmento_Ausente> quedan = Roturas_Ausentes(lineas, lev, m.Triangulos(lev));
    const bool mejor = quedan.size() < ausentes.size();
    ausentes = std::move(quedan);
    if (!mejor) break;
  }
  for (const Segmento_Ausente& s : ausentes) {
    std::cerr << "trilat: breakline segment " << s.desde << " - " << s.hasta << " is not in the model: ";
    if (s.cruza && s.estorba) {
      std::cerr << "it crosses breakline segment " << s.cruza->first << " - " << s.cruza->second << '\n';
    } else {
      std::cerr << "no edges of the model run along it (it spans ground the model leaves open)\n";
    }
  }
}

// Contouring counts its levels in 16 bits, and fails with no word of why on more.
void Comprueba_Niveles(double zmax, double zmin, double equidistancia, const char* relieve) {
  try {
    Niveles::Numero_Niveles(zmax, zmin, equidistancia);
  } catch (const RuntimeError&) {
    std::ostringstream por_que;
    por_que << "the equidistance " << equidistancia << " gives " << (zmax - zmin) / equidistancia
            << " contour levels over " << relieve << " of " << zmax - zmin << ", more than the "
            << std::numeric_limits<Integer>::max() << " contouring takes";
    Detiene(por_que.str());
  }
}

// Settings as they were before a dialog, to be put back when the job refuses what it accepted.
using Recordados = std::vector<std::pair<Clave_Ajuste, std::optional<std::string>>>;

Recordados Recuerda(const std::vector<Clave_Ajuste>& claves) {
  const Documento_Ajustes d = Lee_Ajustes();
  Recordados r;
  for (const auto& c : claves) {
    const std::string* valor = d.Valor(c);
    r.emplace_back(c, valor ? std::optional(*valor) : std::nullopt);
  }
  return r;
}

void Olvida(const Recordados& recordados) {
  if (recordados.empty()) return;
  try {
    Cambia_Ajustes([&](Documento_Ajustes& d) {
      for (const auto& [clave, valor] : recordados) valor ? d.Pon(clave, *valor) : d.Quita(clave);
    });
  } catch (const RuntimeError& error) {
    std::cerr << "trilat: the settings file could not be put back: " << Texto_Visible(error.what()) << '\n';
  }
}

// What the contouring dialog accepted is checked as the options are: values that would make every line major, or
// that no contouring can use, fail the job with the reason rather than end in the wrong lines or none.
void Comprueba_Dialogo(double zmax, double zmin, double finas, double maestras) {
  std::ostringstream por_que;
  if (maestras < finas) {
    por_que << "the dialog's major equidistance " << maestras << " is smaller than its equidistance " << finas
            << " (every line would be major)";
  } else if (zmax < zmin) {
    por_que << "the dialog's highest elevation " << zmax << " is below its lowest " << zmin
            << ": no contour level lies between them";
  } else {
    Comprueba_Niveles(zmax, zmin, finas, "the dialog's elevations");
    return;
  }
  Detiene(por_que.str());
}

// The contouring values of this run: those remembered (or picked for the relief), then the options'. Settled
// before the model is made, so that a --major below the equidistance it meets fails at once.
Valores_Curvas Valores_Del_Trabajo(const Opciones& o, const Levantamiento& lev) {
  const auto [zmin, zmax] = std::minmax_element(lev.z.begin(), lev.z.end());
  // Contouring refuses such a relief only once the model is made; it is most often one elevation that is a no-data
  // value or a blunder, so the points are named.
  if (*zmax - *zmin > c_Curvado::kDesnivel_Maximo) {
    const auto numero = [&](std::vector<double>::const_iterator z) {
      return lev.numeros[static_cast<std::size_t>(z - lev.z.begin())];
    };
    std::ostringstream por_que;
    por_que
        << "the survey's elevations run from " << *zmin << " (point " << numero(zmin) << ") to " << *zmax << " (point "
        << numero(zmax) << "), more than the " << c_Curvado::kDesnivel_Maximo
        << " apart that contouring takes (is one a no-data value or a blunder?); --no-contours makes the model alone";
    Detiene(por_que.str());
  }
  Elegidos elegidos;
  Valores_Curvas vc = Lee_Valores_Curvas(*zmax - *zmin, elegidos);
  vc.finas = o.equidistancia.value_or(vc.finas);
  vc.maestras = o.maestra.value_or(o.equidistancia && !o.maestra ? 5 * vc.finas : vc.maestras);
  vc.color_finas = o.color_finas.value_or(vc.color_finas);
  vc.color_maestras = o.color_maestras.value_or(vc.color_maestras);
  // A picked equidistance is said, with the other defaults the options leave in place (as they are used).
  if (elegidos.finas && !o.equidistancia) {
    std::ostringstream dichos;
    dichos << "equidistance " << vc.finas;
    const auto di = [&](bool elegido, bool por_opcion, const char* nombre, auto valor) {
      if (elegido && !por_opcion) dichos << ", " << nombre << ' ' << valor;
    };
    di(elegidos.maestras, o.maestra.has_value(), "major", vc.maestras);
    di(elegidos.color_finas, o.color_finas.has_value(), "minor colour", vc.color_finas);
    di(elegidos.color_maestras, o.color_maestras.has_value(), "major colour", vc.color_maestras);
    std::cerr << "trilat: contours with " << dichos.str() << " (nothing remembered; --equidistance, --major, "
              << "--minor-color and --major-color set others)\n";
  }
  // Remembered values may be so too (the file is the user's to edit); in the dialog they can still change.
  if ((o.maestra || !o.dialogo) && vc.maestras < vc.finas) {
    std::ostringstream por_que;
    por_que << (o.maestra ? "--major " : "the remembered major equidistance ") << vc.maestras
            << " is smaller than the equidistance " << vc.finas << " (every line would be major)"
            << (o.maestra ? "" : "; --major sets this run's");
    Detiene(por_que.str());
  }
  // Contouring counts its levels in 16 bits and would fail on too many only once the model is made; in the dialog
  // the equidistance can still change.
  if (!o.dialogo) Comprueba_Niveles(*zmax, *zmin, vc.finas, "the survey's relief");
  return vc;
}

std::optional<Datos_Curvas> Traza_Curvas(const Opciones& o, const Valores_Curvas& vc, Modelo_Anfitrion& m,
                                         const Vista& v, ObjectRef& draww, Mensajes_Del_Trabajo& mensajes) {
  if (m.nTri < 1) Detiene("contours need a triangulation of at least two triangles");
  c_Curvado curvado;
  double oX1 = v.oX1, oY1 = v.oY1, EE1 = v.EE1, altoY = v.altoY;
  ObjectRef progreso = Barra(o, "Curvado");
  curvado.Param_Dibujo(oX1, oY1, EE1, altoY, draww, progreso);

  double zmax = m.Z(1), zmin = m.Z(1);
  for (Long i = 2; i <= m.nPt; ++i) zmax = std::max(zmax, m.Z(i)), zmin = std::min(zmin, m.Z(i));
  // A flat survey has no contour line. Contouring refuses one whose elevations are all 0 (as a survey taken without
  // heights is), which would fail the job, and would find no level meeting any other: the rest of the job stands.
  if (zmax == zmin) {
    std::cerr << "trilat: no contour line: every elevation is " << zmax << '\n';
    return Datos_Curvas{};
  }
  // The dialog takes a highest elevation of exactly 0 as none given, and would contour up to 5000: the least double
  // above 0 stands for it, which every lower elevation absorbs, so the levels are those of the survey's own range.
  if (zmax == 0) zmax = std::numeric_limits<double>::denorm_min();
  Boolean mostrar = A_Booleano(o.dialogo);
  double E_finas = vc.finas, E_Maestras = vc.maestras;
  Long Colfinas = vc.color_finas, ColMaestras = vc.color_maestras;
  // The dialog remembers some of what it accepts as it closes: what the job then refuses is put back as it was.
  const Recordados recordados = o.dialogo ? Recuerda(f_Curv_P::Claves_Recordadas()) : Recordados{};
  curvado.Parametros_Curvado1(zmax, zmin, mostrar, E_finas, E_Maestras, Colfinas, ColMaestras);
  const bool aceptado = Es_Verdadero(curvado.Estado().Aceptado);
  if (o.dialogo && !Es_Verdadero(curvado.Estado().Cancelado)) {
    try {
      Comprueba_Dialogo(curvado.Estado().Cota_Max, curvado.Estado().Cota_Min, E_finas, E_Maestras);
    } catch (const Trabajo_Detenido&) {
      Olvida(recordados);
      throw;
    }
  }
  if (o.segmentos || o.suavizar || o.dibuja_curvas) {
    // Options override what the dialog remembers for this run; the rest keeps the remembered values.
    const auto& s = curvado.Estado();
    curvado.Parametros_Directos(o.segmentos.value_or(s.Segmentos), o.suavizar ? A_Booleano(*o.suavizar) : s.Suavizar,
                                o.dibuja_curvas ? A_Booleano(*o.dibuja_curvas) : s.Dibuja_Curvas);
  }
  // A count the settings file asks for beyond what --segments takes would write every line that many times over;
  // one below 1, or one the dialog could not read (it then leaves 0), would end smoothing in a division by zero.
  const auto& e = curvado.Estado();
  if (Es_Verdadero(e.Suavizar) && (e.Segmentos < 1 || e.Segmentos > kSegmentos_Max)) {
    const std::string pedidos = e.Segmentos < 1 ? "no usable number of" : std::to_string(e.Segmentos);
    Detiene("the settings ask for " + pedidos +
            " segments per smoothed span (Segmentos in [MDT/Curvado]), not the 1 to " + std::to_string(kSegmentos_Max) +
            " a run takes (--segments sets this run's)");
  }
  Boolean cancela = False;
  mensajes.Empieza_Calculo();
  curvado.Curvado_calcula1(m.nPt, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, cancela);
  Comprueba_Interrupcion();
  if (Es_Verdadero(cancela)) Detiene("the contouring dialog was cancelled");
  if (mensajes.Critico()) Detiene("no contours were made");
  // Contouring reports a line it could not draw and goes on without it: the contours would be incomplete.
  if (mensajes.Dichos() > 0) {
    Detiene(std::to_string(mensajes.Dichos()) + " contour lines could not be drawn (above); the contours would be " +
            "incomplete");
  }
  if (aceptado) {
    // Only what the dialog accepted is remembered. As in the dialog, a settings file that cannot be changed costs
    // what would be remembered, not the results.
    try {
      Guarda_Valores_Curvas({E_finas, E_Maestras, Colfinas, ColMaestras});
    } catch (const RuntimeError& error) {
      std::cerr << "trilat: the contouring values were not remembered: " << Texto_Visible(error.what()) << '\n';
    }
  }
  Datos_Curvas curvas = curvado.Get_Curvas();
  // An empty contour file is a valid result, but seldom the one asked for: the user is told why it is empty.
  if (curvas.nCurvas == 0) {
    std::cerr << "trilat: no contour line: no level every " << E_finas << " meets the model, whose elevations run from "
              << zmin << " to " << zmax << '\n';
  }
  return curvas;
}

void Escribe_Tin_Csv(const fs::path& ruta, const std::vector<std::array<std::int64_t, 3>>& tris) {
  Escribe_Atomico(ruta, [&](std::ostream& f) {
    f << "index,v1,v2,v3\n";
    for (std::size_t t = 0; t < tris.size(); ++t)
      f << t << ',' << tris[t][0] << ',' << tris[t][1] << ',' << tris[t][2] << '\n';
  });
}

std::string Nombre_Vectorial(const std::string& formato) { return "contours." + Extension_Vectorial(formato); }

// `imagen` is null when no picture is among the formats.
void Escribe_En(const Opciones& o, const fs::path& salida, const Levantamiento& lev, const Modelo_Anfitrion& m,
                const std::optional<Datos_Curvas>& curvas, const Cairo_PictureBox* imagen, Carpeta_Salida& carpeta) {
  const auto quiere = [&](const char* f) { return o.formatos.count(f) > 0; };
  // On large models the vector picture takes longer than all the other files together; it reads nothing but the
  // picture's strokes, so it is written on another thread meanwhile (and finished before anything is published).
  std::future<void> svg;
  if (quiere("picture.svg")) svg = En_Otro_Hilo([&] { imagen->Guarda_SVG(carpeta.Ruta("picture.svg").string()); });
  const auto tris = m.Triangulos(lev);
  if (quiere("tin.csv")) Escribe_Tin_Csv(carpeta.Ruta("tin.csv"), tris);
  if (quiere("tin.xml"))
    Escribe_Tin_LandXML(carpeta.Ruta("tin.xml"), lev, tris, "TIN",
                        o.crs.empty() ? std::nullopt : std::optional(Sistema_De(o.crs)));
  if (curvas) {
    const Datos_Curvas limpias = Curvas_Limpias(*curvas);
    if (quiere("contours.geojson"))
      Escribe_Curvas_GeoJSON(carpeta.Ruta("contours.geojson"), limpias, o.crs.empty() ? "" : Urn_CRS(o.crs));
    if (quiere("contours.dxf")) Escribe_Curvas_DXF(carpeta.Ruta("contours.dxf"), limpias, o.capas_dxf);
    if (quiere("contours.gpkg")) {
      const std::string nombre = Nombre_Vectorial(o.formato_vectorial);
      Escribe_Curvas_Vectorial(carpeta.Ruta(nombre), limpias, o.formato_vectorial, o.crs);
      if (const auto viejos = Archivos_Acompanantes(salida / nombre))
        for (const auto& viejo : *viejos) carpeta.Retira(viejo);
    }
  }
  if (quiere("picture.png")) imagen->Guarda_PNG(carpeta.Ruta("picture.png").string());
  if (svg.valid()) svg.get();
  Comprueba_Interrupcion();
}

// Output files this job did not write that the folder holds from an earlier job, a contours dataset of another
// vector format with its companion files included: they may be of another survey, and the user is told so rather
// than left to take them for this job's.
std::vector<std::string> De_Otro_Trabajo(const fs::path& salida, const std::vector<fs::path>& publicados) {
  std::vector<std::string> restos;
  const auto resto = [&](const std::string& nombre) {
    if (std::find(publicados.begin(), publicados.end(), nombre) == publicados.end()) restos.push_back(nombre);
  };
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(salida, ec)) {
    const fs::path nombre = e.path().filename();
    if (kFormatos.count(nombre.string()) > 0) {
      resto(nombre.string());
    } else if (nombre.stem() == "contours") {
      if (const auto acompanantes = Archivos_Acompanantes(e.path())) {
        resto(nombre.string());
        for (const auto& a : *acompanantes) resto(a);
      }
    }
  }
  std::sort(restos.begin(), restos.end());
  restos.erase(std::unique(restos.begin(), restos.end()), restos.end());
  return restos;
}

// An output file that is one of the job's inputs (a survey named tin.csv in the output folder, the model given
// with --tin) would be replaced by the results: refused before anything is done.
void Entradas_A_Salvo(const Opciones& o, const fs::path& salida, const fs::path& puntos, const fs::path& roturas) {
  const std::pair<fs::path, const char*> entradas[] = {
      {puntos, "the points file"}, {roturas, "the breaklines file"}, {o.tin, "the model given with --tin"}};
  for (const std::string& formato : o.formatos) {
    if (o.sin_curvas && formato.starts_with("contours.")) continue;
    const fs::path destino = salida / (formato == "contours.gpkg" ? Nombre_Vectorial(o.formato_vectorial) : formato);
    for (const auto& [entrada, que] : entradas) {
      std::error_code ec;
      if (!entrada.empty() && fs::equivalent(destino, entrada, ec))
        Detiene(destino.string() + " is " + que + " of this job, which its results would replace " +
                "(choose another --out)");
    }
  }
}

void Escribe(const Opciones& o, const fs::path& salida, const Levantamiento& lev, const Modelo_Anfitrion& m,
             const std::optional<Datos_Curvas>& curvas, const Cairo_PictureBox* imagen, Carpeta_Salida& carpeta) {
  try {
    Escribe_En(o, salida, lev, m, curvas, imagen, carpeta);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(carpeta.En_Destino(e.what()));
  }
  carpeta.Publica();
}

int Ejecuta_Trabajo(const Opciones& o) {
  const fs::path puntos = o.orden == "demo" ? fs::path(TRILAT_SAMPLE_DATA_DIR) / "sample_survey.csv" : o.puntos;
  const fs::path roturas =
      o.orden == "demo" && o.roturas.empty() ? fs::path(TRILAT_SAMPLE_DATA_DIR) / "sample_breaklines.txt" : o.roturas;
  const fs::path salida = o.salida.empty() ? fs::path("trilat-demo") : o.salida;
  if (!o.ajustes.empty()) ::setenv("TRILAT_SETTINGS", o.ajustes.c_str(), 1);
  Atiende_Interrupcion();
  // The values a damaged or unreadable settings file holds are not used, and none can be remembered in it: said
  // once, before any value is taken as not remembered.
  if (const auto problema = Problema_Ajustes()) {
    std::cerr << "trilat: " << Texto_Visible(*problema)
              << "; its values are not used and nothing is remembered in it (it is left as it is)\n";
  }

  Entradas_A_Salvo(o, salida, puntos, roturas);
  // Made before any work, so that an output folder that cannot be written is said at once.
  Carpeta_Salida carpeta(salida);

  Tiempos tiempos(o.tiempos);
  Levantamiento lev;
  std::vector<std::vector<std::int64_t>> lineas;
  std::optional<Tin_Leido> tin;
  tiempos.Etapa("reading", [&] {
    lev = Lee_Puntos(puntos, o.lectura);
    if (!roturas.empty()) {
      lineas = Es_Texto_Delimitado(roturas) ? Lee_Roturas(roturas, lev) : Lee_Roturas_OGR(roturas, lev, o.capa_roturas);
    }
    if (!o.tin.empty()) tin = Lee_Tin(o.tin, lev);
  });
  if (!roturas.empty() && lineas.empty()) std::cerr << "trilat: " << roturas.string() << " holds no breaklines\n";
  if (!lev.aviso_omitidas.empty()) std::cerr << "trilat: " << lev.aviso_omitidas << '\n';
  if (!lev.columnas_sin_leer.empty()) {
    std::string columnas;
    for (const auto& c : lev.columnas_sin_leer) columnas += (columnas.empty() ? "'" : ", '") + Texto_Visible(c) + "'";
    std::cerr << "trilat: " << puntos.string() << ": the header names no point-number column; the points are numbered "
              << "1 to " << lev.size() << " in file order (columns not read: " << columnas << ")\n";
  }
  Comprueba_Interrupcion();

  std::optional<Valores_Curvas> valores;
  if (!o.sin_curvas) valores = Valores_Del_Trabajo(o, lev);

  Modelo_Anfitrion m = Arrays_Del(lev);
  const Vista v = Ajusta_Vista(lev.x, lev.y, kAncho_Imagen, kMargen_Imagen);
  // The library draws as it works; where no picture is to be written, into one that keeps nothing.
  std::shared_ptr<Cairo_PictureBox> imagen;
  if (o.formatos.count("picture.png") > 0 || o.formatos.count("picture.svg") > 0)
    imagen = std::make_shared<Cairo_PictureBox>(v.ancho, v.alto);
  ObjectRef draww = imagen ? ObjectRef(imagen) : std::make_shared<Superficie_Nula>();

  // With --dialog the dialogs and the library's messages are on the terminal; otherwise messages go to stderr.
  std::optional<Presentador_Terminal> terminal;
  std::ifstream tty;
  if (o.dialogo) {
    tty.open("/dev/tty");
    terminal.emplace(tty.is_open() ? static_cast<std::istream&>(tty) : std::cin, std::cerr);
  }
  Mensajes_Del_Trabajo mensajes;

  if (tin) {
    m.nTri = tin->nTri, m.Vt1 = tin->Vt1, m.Vt2 = tin->Vt2, m.Vt3 = tin->Vt3;
  } else {
    tiempos.Etapa("triangulation", [&] { Triangula(o, lev, m, v, draww, tiempos, mensajes); });
  }
  if (!lineas.empty()) tiempos.Etapa("breaklines", [&] { Fuerza_Roturas(lineas, lev, m, v, draww, tin.has_value()); });
  Comprueba_Interrupcion();
  std::optional<Datos_Curvas> curvas;
  if (valores) curvas = tiempos.Etapa("contours", [&] { return Traza_Curvas(o, *valores, m, v, draww, mensajes); });

  tiempos.Etapa("writing", [&] { Escribe(o, salida, lev, m, curvas, imagen.get(), carpeta); });
  const std::size_t triangulos = m.Triangulos(lev).size();
  std::cerr << "trilat: " << triangulos << (triangulos == 1 ? " triangle" : " triangles");
  if (curvas) std::cerr << ", " << curvas->nCurvas << (curvas->nCurvas == 1 ? " contour line" : " contour lines");
  std::cerr << " from " << lev.size() << " points written to " << salida.string() << '\n';
  Avisa_Puntos_Fuera(lev, m, tin.has_value());
  // Publishing holds Ctrl-C back: one typed meanwhile came too late to stop the job.
  if (Interrupcion_Pedida())
    std::cerr << "trilat: the interruption came as the results were being put in place; they were all written\n";
  const auto restos = De_Otro_Trabajo(salida, carpeta.Publicados());
  if (!restos.empty()) {
    std::cerr << "trilat: " << salida.string() << " also holds";
    for (std::size_t k = 0; k < restos.size(); ++k) std::cerr << (k ? ", " : " ") << restos[k];
    std::cerr << " from an earlier run, not written by this one\n";
  }
  return 0;
}

}  // namespace

int Ejecuta(const Opciones& o) {
  try {
    return Ejecuta_Trabajo(o);
  } catch (const Trabajo_Detenido& d) {
    return d.estado;
  }
}

}  // namespace Vyr_Trilat::anfitrion
