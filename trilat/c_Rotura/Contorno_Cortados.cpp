#include "trilat/c_Rotura/Contorno_Cortados.h"

namespace Vyr_Trilat {

HostArray<Long> Contorno_Cortados(const std::vector<Cortado>& cortados, Long& nAnillo) {
  struct Arista {
    Long P1, P2;
    bool Usado = false;
  };
  std::vector<Arista> aristas;
  for (const Cortado& c : cortados) {
    const Triang_Rot& r = c.r;
    if (!Es_Verdadero(r.Corta12)) aristas.push_back({r.V1, r.V2});
    if (!Es_Verdadero(r.Corta13)) aristas.push_back({r.V1, r.V3});
    if (!Es_Verdadero(r.Corta23)) aristas.push_back({r.V2, r.V3});
  }
  HostArray<Long> Anillo(0, static_cast<Long>(aristas.size()));
  nAnillo = 0;
  if (aristas.empty()) return Anillo;
  Long actual = aristas.front().P1;
  Anillo(0) = actual;
  for (;;) {
    Arista* siguiente = nullptr;
    Long otro = 0;
    for (Arista& e : aristas) {
      if (e.Usado) continue;
      if (e.P1 == actual && e.P2 != actual) {
        otro = e.P2;
      } else if (e.P2 == actual && e.P1 != actual) {
        otro = e.P1;
      } else {
        continue;
      }
      siguiente = &e;
      break;
    }
    if (!siguiente) return Anillo;
    siguiente->Usado = true;
    ++nAnillo;
    Anillo(nAnillo) = otro;
    actual = otro;
  }
}

}  // namespace Vyr_Trilat
