// How close to an unconnected point the edges that could still accept it must lie.
//
// An edge accepts a point only when the circle it computes holds no scanned point strictly inside. That circle
// is measured to the edge's second corner and, whatever the rounding of its formulas, passes within `Epsilon`
// of the point too, as long as the edge is not nearly horizontal with a steep bisector (`Lado_Seguro`) and the
// point does not lie level with the corner (within the height below which the formulas treat a side as
// horizontal). If every Delaunay neighbour of the point is scanned, such a circle must have its centre in the
// point's Voronoi cell, widened for the slack of the test and that rounding, and within the radius limit of the
// point: so the second corner lies within twice the reach of that part of the cell (plus Epsilon) of the point.
// Edges farther away provably reject it.
#pragma once

#include <limits>
#include <vector>

#include "trilat/c_Triangulos/Estado_Triangulos.h"
#include "trilat/common/Registros.h"
#include "trilat/common/Rejilla_Uniforme.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat {

class Alcance_Aceptacion {
 public:
  // Over the working points of the run, whose Delaunay neighbours it takes from the run's triangulation in host
  // coordinates (where the ring does not turn the same way in working coordinates, the bound is looser). Without
  // a bound at all when a coordinate is outside the range the error analysis covers (0, or magnitudes from 1e-30
  // to 1e9).
  explicit Alcance_Aceptacion(Estado_Triangulos& s);
  // The same without the triangulation yet: it bounds nothing until Toma_Delaunay, which waits for it, so that what
  // does not need it can be done meanwhile.
  struct Sin_Delaunay {};
  Alcance_Aceptacion(Estado_Triangulos& s, Sin_Delaunay);
  void Toma_Delaunay(Estado_Triangulos& s);

  // The distance from point i within which the second corner of any edge that accepts it lies, with the
  // positions of the Delaunay neighbours this rests on (all of them must be scanned); infinity when unknown.
  // With `region`, also the corners (from the point) of a region that holds every centre such a circle can have.
  struct Esquina {
    double x, y;
    double margen;     // how far the true corner may lie from the computed one, times 2
    double distancia;  // from the point, as computed (to within a few roundings)
  };
  double Alcance(std::size_t i, std::vector<int>& vecinos, std::vector<Esquina>* region = nullptr) const;
  // The same in two steps: point i's Delaunay neighbours in turning order (false, empty, when it has none), and
  // the reach that some of them, in the same order, give when every one of those is scanned: where they leave a
  // side open, the radius limit bounds it, unless asked for none then.
  bool Anillo(std::size_t i, std::vector<int>& vecinos) const;
  double Alcance_De_Anillo(std::size_t i, const std::vector<int>& vecinos, std::vector<Esquina>* region = nullptr,
                           bool con_lados_abiertos = true) const;
  // The reach, and the region of centres, that any scanned points (none at point i) give together, in any order:
  // the square of the radius limit cut by the half-plane of each. Looser than a ring of neighbours gives, but it
  // needs none: it serves where the neighbours left in the scan leave a side open.
  double Alcance_De_Puntos(std::size_t i, const std::vector<int>& puntos, std::vector<Esquina>& region) const;
  // Whether the second corner Y of an accepting edge can lie at `u` from the point, given the region of its centres
  // and the point's reach. Finer than the reach where the point's Voronoi cell is long and thin.
  bool Posible_Segunda(const Vert& u, const Esquina* region, std::size_t esquinas, double alcance) const;
  // Whether some u in the box (from the point) may pass Posible_Segunda.
  bool Toca_Region(const Caja& c, const Esquina* region, std::size_t esquinas, double alcance) const;
  // Keeps of a region only the corners of its hull, each with the largest margin: the same answers, sooner.
  static void Deja_Casco(std::vector<Esquina>& region);
  // A box (from point i) that holds every such second corner among the working points: the circles round the
  // region's corners, cut to the points' bounding box (near the survey's edge the centres run far out, but the
  // circles meet the survey only close to the point).
  Caja Caja_Segundas(std::size_t i, const Esquina* region, std::size_t esquinas) const;
  // The edge from X to Y (X the first corner) keeps its computed circles within Epsilon of the point.
  static bool Lado_Seguro(const XYZ& X, const XYZ& Y);
  // Where an edge Lado_Seguro refuses, from X to Y in a triangle whose third corner is o, can accept points, as
  // long as the points it rests on (left in `vecinos`: the Delaunay neighbours of Y but o, or more when those leave
  // a side open) are scanned. Its circles are measured to Y and hold none of them, so that their centres lie in a
  // region, and pass within the rounding of the edge's steep bisector (Epsilon_Pendiente) of a point not level
  // with Y.
  struct Zona {
    double alcance = std::numeric_limits<double>::infinity();  // of the region's circles from Y; infinity: unknown
    double epsilon = 0;
    std::vector<Esquina> region;  // from Y
  };
  Zona Zona_Lado_Inseguro(const XYZ& X, std::size_t y, int o, std::vector<int>& vecinos) const;
  // Whether the edge may accept a point at u from Y.
  bool En_Zona(const Vert& u, const Zona& zona) const;
  // How far from the point a computed circle may pass when the bisector of its edge has this slope.
  double Epsilon_Pendiente(double pendiente) const;
  // Heights below which the circle formulas treat a side as horizontal, widened for the rounding of the test.
  static constexpr double kFranja_Horizontal = 2 * kCasi_Cero;
  // How far from the point a computed circle through a covered edge may pass (0 when there is no bound at all).
  double Epsilon() const { return epsilon_; }

 private:
  // Whether 2 C.u / |u| reaches |u| - holgura - holgura_por_largo / |u| for some C of the region's hull: whether
  // a point at u can lie close enough to a circle centred at C through the point.
  bool Alcanza(const Vert& u, const Esquina* region, std::size_t esquinas, double alcance, double holgura,
               double holgura_por_largo) const;
  // The consecutive pairs of a ring of neighbours of point i, seen from it.
  void Prepara_Pares(std::size_t i, const std::vector<int>& vecinos) const;
  // How far from P the centre of a circle through P within `radio` of it can lie without holding a neighbour of
  // the pairs prepared.
  double Alcance_Centro(double radio, std::vector<Esquina>* region = nullptr) const;
  struct Par {
    double ax, ay, bx, by, la, lb, cruz;
    int giro;      // the sign of the turn from the first neighbour to the second, seen from the point
    bool abierto;  // the centres between the two rays are bounded only by the half-planes and the radius limit
  };
  // How far from P the centre of an accepting circle can lie: its radius is below the limit.
  double Limite_Centros() const;
  // The slack of the half-plane a point gives the centres of circles within `radio` of P; the reach of the centres
  // from their corners' largest computed distance; the reach of the second corners from that of the centres.
  double Holgura(double radio) const;
  static double Alcance_Medido(double lejos, double limite);
  double Alcance_Segundas(double centro) const;
  // The corners of the part of a pair's region within `limite` of P in each coordinate, from the region all the
  // neighbours' half-planes (moved out by the slack) leave of that square, in comun_.
  void Recorta_Par(const Par& p, double limite, std::vector<Esquina>& region) const;
  // A region as a polygon: the square of half-side `limite` round P, cut by the half-plane n.c <= h (moved out by
  // far more than the rounding of its evaluation, so that the computed polygon holds the true one), and its corners
  // put in a region, answering their largest distance from P.
  void Cuadrado(double limite) const;
  void Corta(double nx, double ny, double h, double limite) const;
  double Esquinas_Poligono(std::vector<Esquina>& region) const;
  mutable std::vector<Par> pares_;
  mutable std::vector<Vert> poligono_, cortado_;  // the polygon being cut
  mutable std::vector<Vert> comun_;

  const std::vector<XYZ>& puntos_;
  Caja limites_;          // of the working points
  double magnitud_ = 0;   // of their largest coordinate
  bool acotado_ = false;  // every coordinate lies in the range the bound covers
  const Triangulacion_Delaunay* delaunay_ = nullptr;
  double epsilon_ = 0;
};

}  // namespace Vyr_Trilat
