// The sweep with its searches answered through indexes, giving exactly the answers of the plain scans:
// closed triangles are jumped over without being visited, an edge's triangles are found through the lists
// of triangles at each corner, and empty-circle scans look only at the grid cells the circle covers, within
// the same range of sweep positions.
#pragma once

#include <vector>

#include "trilat/c_Triangulos/Barrido.h"

namespace Vyr_Trilat {

class Barrido_Rapido : public Barrido {
 public:
  explicit Barrido_Rapido(Estado_Triangulos& s);

 protected:
  Long Siguiente_Visita(Long t, Long hasta, Long i) override;
  bool Marca_Lado(Long u, Long w) override;
  bool Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite, const Circulo& c,
                        double R2) override;
  void Triangulo_Nuevo(Long t) override;
  void Triangulo_Cerrado(Long t) override;

 private:
  // First position at or after `desde` whose X is beyond `limite`; nPuntos when none.
  Long Primero_Mas_Alla(Long desde, double limite) const;
  bool Dentro_En_Rango(Long k, Long salta, const Circulo& c, double R2);

  // Next triangle not known to be Cerrado at or after a position: a union-find whose roots are open triangles.
  std::vector<Long> siguiente_abierto_;

  // Triangles at each corner in position order, as linked lists in flat arrays (three links per triangle).
  std::vector<Long> primero_en_vertice_, ultimo_en_vertice_, siguiente_en_vertice_;

  // Extremes of X over ranges of positions: the maximum (a segment tree) tells where each scan stops, and
  // both bound the strip of the grid that the positions of a scan can lie in.
  std::vector<double> maximo_x_, minimo_x_;
  std::size_t hojas_ = 1;
  void Extremos_X(Long desde, Long hasta, double& minimo, double& maximo) const;
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

  // Working points by grid cell, each cell's positions ascending.
  double x0_ = 0, y0_ = 0, lado_celda_ = 1;
  Long columnas_ = 1, filas_ = 1;
  std::vector<Long> inicio_celda_, puntos_celda_;
};

// Runs the indexed construction; false when aborted.
bool Construye_Rapido(Estado_Triangulos& s);

}  // namespace Vyr_Trilat
