// The run's Delaunay triangulation, begun on another thread as soon as the points are cleaned: it is made while
// they are turned, sorted and tabled, from the cleaned points in the host's coordinates, and renamed by their
// sweep positions once the sort gives them (the triangulation does not depend on the order of its points).
#pragma once

#include <cstddef>
#include <future>
#include <memory>
#include <vector>

#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat {

class Delaunay_Adelantada {
 public:
  // Fewer points than this are triangulated when first needed, on the calling thread.
  static constexpr std::size_t kMinimo_Puntos = 5000;

  // Begins triangulating the points (x[k], y[k]) (where no thread can be had, Toma does it); false, with nothing
  // begun, when they are too few or a coordinate is not one the triangulation takes (the error is then raised where
  // it is first needed).
  bool Empieza(std::vector<double> x, std::vector<double> y);
  // Point k of those lies at position posicion[k] along the sweep. Called once, after Empieza.
  void Posiciones(std::vector<int> posicion);
  // The triangulation, named by sweep positions, once made (null when none was begun); an error it met is raised
  // here. Called once, after Posiciones.
  std::shared_ptr<Triangulacion_Delaunay> Toma();

  Delaunay_Adelantada() = default;
  Delaunay_Adelantada(const Delaunay_Adelantada&) = delete;
  Delaunay_Adelantada& operator=(const Delaunay_Adelantada&) = delete;
  // Abandons a triangulation still being made: waits for it, without the positions if they never came.
  ~Delaunay_Adelantada();

 private:
  std::promise<std::vector<int>> posiciones_;
  std::future<std::shared_ptr<Triangulacion_Delaunay>> hecha_;
};

}  // namespace Vyr_Trilat
