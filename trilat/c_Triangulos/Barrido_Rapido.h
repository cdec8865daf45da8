// The sweep with its searches answered through indexes, giving exactly the answers of the plain scans:
// closed triangles are jumped over without being visited, an edge's triangles are found through the lists
// of triangles at each corner, and empty-circle scans look only at the grid cells the circle covers, within
// the same range of sweep positions.
//
// A point that stays unconnected is visited again in every pass. Its earlier visits found that no edge
// accepts it, and what decided that does not change: crossings, the in-circle test of the opposite corner and
// the radius depend only on the points, edge flags are only ever set (so an edge tried now was tried then),
// and a point found inside a circle still rejects while it lies in the scanned range. So a triangle it
// visited before is visited again only when the visit has an effect: it lies behind the sweep (which moves
// the scan limits) or all its edge flags are set (the visit closes it); and all of them again once a point
// that rejected a circle has left the scanned range.
//
// A point whose Delaunay neighbours are all scanned can only be accepted by an edge whose second corner lies
// within its reach (Alcance_Aceptacion), and within the box that the region of its possible circle centres gives
// (where that box is wide, within the region itself): it visits only the open triangles with such a corner, the
// ones the reach does not cover and the ones whose visit has an effect. Where its reach is short, such a corner
// must end an edge that may still be tried: a flagged edge is tried only for a point beyond the search distance
// from one of its ends, which a short one never is. When some of its neighbours have left the
// scanned range, those still in it bound it if they still surround it, and otherwise together with scanned points
// above and below it.
//
// In passes after the first, points with nothing near them to visit are passed over 64 at a time, through a bit per
// point kept up to date as triangles are formed, close or are left behind; a triangle the reach does not cover is
// tried for them without effect, once: after that their record of rejections holds it.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

#include "trilat/c_Triangulos/Alcance_Aceptacion.h"
#include "trilat/c_Triangulos/Barrido.h"
#include "trilat/common/Arbol_Extremos.h"
#include "trilat/common/Conjunto_Bits.h"
#include "trilat/common/Listas.h"

namespace Vyr_Trilat {

class Barrido_Rapido : public Barrido {
 public:
  // The points' bounds are prepared on the processor's threads, each taking at least `puntos_por_hilo` points.
  static constexpr std::size_t kPuntos_Por_Hilo = 25000;
  explicit Barrido_Rapido(Estado_Triangulos& s, std::size_t puntos_por_hilo = kPuntos_Por_Hilo);

 protected:
  Long Siguiente_Visita(Long t, Long hasta, Long i) override;
  bool Marca_Lado(Long u, Long w) override;
  bool Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite, const Circulo& c,
                        double R2) override;
  void Triangulo_Nuevo(Long t) override;
  void Lado_Marcado(Long t) override;
  void Triangulo_Cerrado(Long t) override;
  void Empieza_Punto(Long i, Long hasta) override;
  void Acaba_Punto(Long i, Long hasta) override;
  Long Pasa_Quietos(Long i, Long tope) override;
  Long Sin_Conectar_Desde(Long i, Long tope) override { return sin_conectar_.Siguiente(i, tope); }

 private:
  // First position at or after `desde` whose X is beyond `limite`; nPuntos when none.
  Long Primero_Mas_Alla(Long desde, double limite) const;
  bool Dentro_En_Rango(Long k, Long salta, const Circulo& c, double R2);
  Long Siguiente_Abierto(Long t);
  // Every position from desde to hasta lies in the range a scan for point i would look at now.
  bool Escaneados(Long i, Long desde, Long hasta) const;
  // The first triangle from t to hasta whose visit has an effect whatever it finds: one behind the sweep (it moves
  // the scan limits) or one with all edge flags set (the visit closes it); hasta + 1 when none.
  Long Proximo_Efecto(Long t, Long hasta);
  // The triangles point i must visit when its accepting edges are known to lie near it.
  void Busca_Candidatos(Long i, Long hasta);
  // Calls f(o) for each point o level with point i that is the second corner of an open triangle, until f answers
  // true; whether it did. No such point stops point i from being passed over.
  template <typename F>
  bool Alguna_Nivelada(Long i, F&& f) const;
  // The grid cells of a box around P.
  void Celdas_Caja(const XYZ& P, const Caja& caja, Long& i0, Long& i1, Long& j0, Long& j1) const;
  // The grid index of a coordinate, -1 or `cuantas` beyond either end; the column and row of a coordinate,
  // inside the grid; the flat index of a cell.
  Long Celda(double v, double v0, Long cuantas) const {
    // One cell beyond either end for what lies outside, so that callers widen by a cell for the index's rounding.
    // By the reciprocal: every index is taken by this one formula, which never decreases with the coordinate.
    const double f = (v - v0) * por_celda_;
    if (!(f >= -1)) return -1;
    if (f >= static_cast<double>(cuantas)) return cuantas;
    // The floor, by truncation: a call to floor on every index costs more than the rest of the index.
    const auto t = static_cast<Long>(f);
    return f < static_cast<double>(t) ? t - 1 : t;
  }
  Long Columna(double x) const { return std::clamp<Long>(Celda(x, x0_, columnas_), 0, columnas_ - 1); }
  Long Fila(double y) const { return std::clamp<Long>(Celda(y, y0_, filas_), 0, filas_ - 1); }
  std::size_t Indice_Celda(Long columna, Long fila) const {
    return static_cast<std::size_t>(fila) * static_cast<std::size_t>(columnas_) + static_cast<std::size_t>(columna);
  }

  std::size_t puntos_por_hilo_;
  // For a point whose accepting edges end within this (half the search distance) of it, the edges whose flags are
  // set and that are short enough are never tried.
  double alcance_maximo_;
  // Which second corners of triangle t end an edge that may still be tried for such a point: its flag is not set,
  // or it is long enough for the point to lie beyond the search distance from its other end. Kept for each
  // triangle as its flags are set.
  static constexpr std::uint8_t kViva_En_2 = 1, kViva_En_3 = 2;
  std::uint8_t Vivas(Long t) const;
  std::vector<std::uint8_t> vivas_;

  // Next triangle not known to be Cerrado at or after a position: a union-find whose roots are open triangles.
  std::vector<Long> siguiente_abierto_;

  // Triangles at each corner in position order, as linked lists in flat arrays (three links per triangle).
  std::vector<Long> primero_en_vertice_, ultimo_en_vertice_, siguiente_en_vertice_;

  // X of the working points by position: where each scan stops, and the strip of the grid its positions lie in;
  // and the largest X up to each position.
  Arbol_Extremos x_puntos_;
  std::vector<double> maximo_x_hasta_;
  // The tries for one point mostly scan the same range: its end and strip are kept from the last scan.
  struct Rango_Reciente {
    Long desde = -1;
    double limite = 0;
    Long salta = -1;
    Long hasta = 0;
    double xmin = 0, xmax = 0;
  } reciente_;
  // The last point found inside a circle: neighbouring tries test nearly the same circle, so it is tried first.
  Long ultimo_dentro_ = -1;

  // Working points by grid cell, each cell's positions ascending; the box of all the points, which may reach beyond
  // the grid.
  double x0_ = 0, y0_ = 0, lado_celda_ = 1, por_celda_ = 1;
  Caja todo_;
  Long columnas_ = 1, filas_ = 1;
  Listas<Long> puntos_celda_;

  // What the last visits of an unconnected point showed: every triangle up to `hasta` rejected it, and the
  // points that rejected its circles lie between positions `testigo_min` and `testigo_max`; `en_ventana`: no
  // position up to `testigo_max` lies beyond the point's scan end (then only the scan's first point can make
  // those points leave the range).
  struct Rechazos {
    Long hasta = -1;
    Long testigo_min = std::numeric_limits<Long>::max(), testigo_max = -1;
    bool en_ventana = false;
  };
  // The record of point k, and whether such a record still holds: the points that rejected it are scanned.
  Rechazos Registro(Long k, Long hasta, Long testigo_min, Long testigo_max) const;
  bool Vigente(Long k, const Rechazos& r) const;
  // Each point's record, apart: passing over points reads them one after another.
  std::vector<Rechazos> rechazos_;
  // X of the right-most corner of each open triangle, by position: which ones lie behind the sweep.
  // Only triangles that some point can find behind it are there: a right-most corner beyond the last point's reach
  // behind (x_alcance_detras_) never is.
  Arbol_Extremos x_derecha_;
  double x_alcance_detras_ = 0;
  bool Puede_Quedar_Detras(Long t) const {
    return x_alcance_detras_ >= s_.Puntos_Trab[static_cast<std::size_t>(s_.Triangs.V3[static_cast<std::size_t>(t)])].X;
  }
  // How often it changed, and the least X passing over points last found, with what it was found for.
  long long cambios_derecha_ = 0;
  struct Clave_Minima {
    Long primer_tri = -1, primer_pto = -1;
    long long cambios = -1;
    bool operator==(const Clave_Minima&) const = default;
  } clave_minima_;
  double x_minima_ = 0;
  // The first point from i to tope that would visit a triangle behind the sweep (one whose right-most corner lies
  // before x_minima_); tope + 1 when none. Kept with what it was found for.
  Long Primero_Detras(Long i, Long tope);
  struct Detras_Reciente {
    double x_minima = 0;
    Long desde = 0, tope = -1, primero = 0;
  } detras_reciente_;
  // Open triangles with all three edge flags set: the next visit closes them. Point i, passed over, closes them
  // unless it would try an edge of one (then it is visited: false).
  std::set<Long> por_cerrar_;
  bool Cierra_Pendientes(Long i);
  // The point being visited: its earlier rejections, those of this visit, and whether they still hold.
  Long punto_ = -1;
  Rechazos previos_, actuales_;
  bool completo_ = true;
  Long pto_comprobado_ = -1;
  // The last search for a triangle behind the sweep: from where, and what it found (-1: none).
  Long detras_desde_ = 0, detras_ = -1;

  // Near edges: only the triangles with a second edge corner near the point, the ones the bound does not cover
  // and the ones whose visit has an effect are visited, while the point's Delaunay neighbours are scanned.
  Alcance_Aceptacion alcance_;
  std::vector<Long> por_y_, rango_y_;  // positions by Y, and the place of each position there
  // By Y, the points that are a second corner of an open triangle: a strip of level points is looked through a word
  // of bits at a time.
  Conjunto_Bits segundos_por_y_;
  std::vector<double> y_ordenadas_;
  // Open triangles filed by the grid cells of V2 and V3, the corners that can be an edge's second corner, each list
  // in order of position.
  std::vector<std::vector<Long>> abiertos_celda_;
  // How many open triangles not left behind Primer_Tri are filed in each cell (the lists keep closed ones until a
  // search drops them), and how many cells of each block of cells hold one: empty blocks are passed over without
  // looking at their cells.
  std::vector<Long> abiertos_en_celda_, abiertos_bloque_;
  // The last triangle filed in each cell and block.
  std::vector<Long> ultimo_en_celda_, ultimo_en_bloque_;
  Long bloques_x_ = 1;
  std::size_t Bloque(Long bi, Long bj) const {
    return static_cast<std::size_t>(bj) * static_cast<std::size_t>(bloques_x_) + static_cast<std::size_t>(bi);
  }
  // A bound: the reach, the range of positions of the neighbours it rests on, a box (from the point) that holds the
  // second corners of the edges that can accept it, and the grid cells of that box.
  struct Cota {
    double alcance = 0;
    Long vecinos_min = 0, vecinos_max = -1;
    Caja caja;
    Long i0 = 0, i1 = -1, j0 = 0, j1 = -1;
  };
  // Per point, its bound (the reach infinite when unknown).
  struct Cercania {
    Cota cota;
    bool vecinos_antes_del_limite = false;  // no position up to its last neighbour lies beyond its scan's end
    Long amplio = -1;                       // its place in amplios_ when its box spans many cells
  };
  // For a point whose box spans many cells, the region of its centres in regiones_.
  struct Amplio {
    std::size_t desde, esquinas;
  };
  std::vector<Amplio> amplios_;
  std::vector<Alcance_Aceptacion::Esquina> regiones_;
  // For a point some of whose neighbours have left the scanned range, the bound those still in it give, with the
  // range of the scan's first point over which the same neighbours are left (empty: none found yet).
  struct Parcial {
    Long pto_desde = 1, pto_hasta = 0;
    Cota cota;
    std::vector<Alcance_Aceptacion::Esquina> region;
  };
  std::vector<Long> parcial_de_;
  std::vector<Parcial> parciales_;
  // That bound for point i now (its reach infinite when they give none).
  const Parcial& Cota_Parcial(Long i);
  // The rest of point i's bound from its reach, the neighbours it rests on and the region of its centres.
  void Completa_Cota(const Alcance_Aceptacion& alcance, Long i, const std::vector<int>& vecinos,
                     const std::vector<Alcance_Aceptacion::Esquina>& region, Cota& cota) const;
  std::vector<Cercania> cercania_;
  // The points level with each, as a range of por_y_: apart, small, for passing over points one after another.
  struct Franja {
    Long desde = 0, hasta = 0;
  };
  std::vector<Franja> franja_;
  // The points level with each and the starting state of passing over points; then each point's bound, which
  // needs the Delaunay triangulation; then what passing over points follows of those bounds.
  void Prepara_Franjas();
  void Prepara_Cercanias();
  void Prepara_Pasos();

  // Passing over points. A point stops it while it is unconnected and may have something to visit; kept up to
  // date as triangles are formed, close or are left behind and as the scan's first point moves, so that runs of
  // points with nothing to visit are passed over a word of bits at a time. A point's bit in detiene_ is set while
  // its bound rests on a neighbour before the scan's first point (or it has no bound: its first neighbour is then
  // -1), while a block within its reach holds a second corner of an open triangle, while a point level with it is
  // one, or when it has too many level points to follow (those are looked at when reached, as are those whose
  // bound rests on a neighbour no longer scanned: no open triangle filed within the bound those left give).
  Conjunto_Bits sin_conectar_, detiene_, varios_;
  // What decides a point's bit, together: a bit changes for many scattered points at once.
  struct Paradas {
    Long primer_vecino = -1;
    Long bloques = 0, celdas = 0, franjas = 0;  // open blocks, open cells and level second corners
  };
  std::vector<Paradas> paradas_;
  std::vector<Long> segundo_abiertos_;
  // The points whose reach spans each cell (those whose reach spans few) or block (the others); those that follow
  // each point as a level point; the points by their first neighbour.
  Listas<Long> cobertura_celdas_, cobertura_, dependientes_, por_vecino_;
  // The scan limits the bits stand for.
  Long pto_reflejado_ = 0, tri_reflejado_ = 0;
  void Actualiza_Detiene(Long k);
  bool Detiene_Ahora(Long k);
  // No open triangle is filed within the bound of point k from its neighbours still scanned.
  bool Parcial_Vacia(Long k);
  // Calls f(celda) for each cell of a bound's box in a block that holds open triangles and for which
  // bloque(block, column, row of blocks) holds, until f answers true; whether it did.
  template <typename B, typename F>
  bool Celdas_Con_Abiertos(const Cota& c, B&& bloque, F&& f) const;
  // A count (of the open triangles filed in a cell, of the cells of a block that hold one, or of the open triangles
  // a point is the second corner of) changes by d; when it turns zero or non-zero (true), the count `suya` of each
  // point in list k of `avisar` changes by d.
  bool Cambia_Cuenta(Long& cuenta, int d, const Listas<Long>& avisar, std::size_t k, Long Paradas::*suya);
  // Calls f(columna, fila) once for each distinct cell of triangle t's second corners: where it is filed.
  template <typename F>
  void Celdas_Archivo(Long t, F&& f) const;
  void Cambia_Segundo(Long o, int d) {
    const auto k = static_cast<std::size_t>(o);
    if (Cambia_Cuenta(segundo_abiertos_[k], d, dependientes_, k, &Paradas::franjas))
      segundos_por_y_.Pon(static_cast<std::size_t>(rango_y_[k]), segundo_abiertos_[k] > 0);
  }
  // Triangle t is filed in the lists of its cells (d = 1), or closes or is left behind Primer_Tri (d = -1): the
  // counts of its cells (and so of their blocks) and of its second corners change.
  void Cuenta_Triangulo(Long t, int d);
  void Sigue_Limites();
  // Where the edges the bound does not cover can accept points, from their second corner, while the points this
  // rests on, between positions vecinos_min and vecinos_max, are scanned.
  struct Zona_Insegura {
    Long segunda = 0;
    Alcance_Aceptacion::Zona zona;
    Long vecinos_min = 0, vecinos_max = -1;
  };
  using Inseguros = std::map<Long, std::vector<Zona_Insegura>>;
  Inseguros inseguros_;
  // Whether a triangle the bound does not cover, with these zones, is known to reject point k, which is passed
  // over: so its edges the bound covers reject it, and no second corner of an open triangle lies level with it.
  // The points that rests on are noted as the rejections'.
  bool Fuera_De_Zonas(const std::vector<Zona_Insegura>& zonas, Long k);
  // Those from Primer_Tri on while points are passed over (nothing changes them meanwhile, until a point passed over
  // closes triangles, which drops them); Rechazan_Inseguros(k):
  // each of them is known to reject point k, or does when tried now (its record of rejections then grows to every
  // triangle formed).
  std::vector<Inseguros::const_iterator> inseguros_en_rango_;
  bool Rechazan_Inseguros(Long k);
  // Where, from i to parada, points may lie that are not known to be rejected by the zones of those triangles:
  // from i to the first answer, and from the second to the third.
  std::array<Long, 3> Cerca_De_Inseguros(Long i, Long parada) const;
  // The unconnected points still to be tried so: a point found rejecting them stays so, its record holding, until
  // the scan's first point moves or such a triangle is formed (each a new epoch), or it is visited. Kept word by
  // word: a word last looked at in an earlier epoch starts again from the unconnected points when next needed.
  Conjunto_Bits por_probar_;
  long long epoca_ = 0;
  std::vector<long long> epoca_palabra_;
  void Renueva_Por_Probar(Long desde, Long hasta);
  std::vector<int> vecinos_;
  Long vecinos_min_ = 0, vecinos_max_ = -1;
  std::vector<Long> candidatos_;
  std::size_t siguiente_candidato_ = 0;
  bool cercanos_ = false, salto_cercanos_ = false, candidatos_sin_previos_ = false;
  Long pto_cercanos_ = -1;
};

// Runs the indexed construction; false when aborted.
bool Construye_Rapido(Estado_Triangulos& s);

}  // namespace Vyr_Trilat
