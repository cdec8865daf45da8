#include "trilat/common/Orden_Insercion.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <utility>

#include "trilat/common/Orden_Por_Clave.h"

namespace Vyr_Trilat {

namespace {

constexpr int kBits = 16;  // cells of the curve per axis: 2^16, far finer than the order needs

// One level of the Hilbert curve as a table: the state says how the current quadrant is turned (coordinates
// swapped, complemented), the two bits of a cell its quadrant; the entry gives the quadrant's position along the
// curve (low two bits) and the state inside it.
struct Tabla_Hilbert {
  std::uint8_t t[4][4];
  constexpr Tabla_Hilbert() : t{} {
    for (int estado = 0; estado < 4; ++estado)
      for (int cuadrante = 0; cuadrante < 4; ++cuadrante) {
        const bool cambia = estado & 1, complementa = estado & 2;
        int ri = (cuadrante >> 1) ^ (complementa ? 1 : 0), rj = (cuadrante & 1) ^ (complementa ? 1 : 0);
        if (cambia) std::swap(ri, rj);
        int siguiente = estado;
        if (rj == 0) {
          if (ri == 1) siguiente ^= 2;
          siguiente ^= 1;
        }
        t[estado][cuadrante] = static_cast<std::uint8_t>(((3 * ri) ^ rj) | (siguiente << 2));
      }
  }
};
constexpr Tabla_Hilbert kHilbert;

// Four levels of the curve at once, from the one-level table: for a state and the quadrants of four levels (two bits
// each, the highest level first), the eight bits of their positions along the curve and the state after them.
struct Tabla_Hilbert_4 {
  std::uint16_t t[4][256];
  constexpr Tabla_Hilbert_4() : t{} {
    for (int estado = 0; estado < 4; ++estado)
      for (int cuadrantes = 0; cuadrantes < 256; ++cuadrantes) {
        int e = estado, d = 0;
        for (int nivel = 3; nivel >= 0; --nivel) {
          const std::uint8_t r = kHilbert.t[e][(cuadrantes >> (2 * nivel)) & 3];
          d = (d << 2) | (r & 3);
          e = r >> 2;
        }
        t[estado][cuadrantes] = static_cast<std::uint16_t>(d | (e << 8));
      }
  }
};
constexpr Tabla_Hilbert_4 kHilbert_4;

// The bits of a 4-bit number spread to the even places of 8 bits.
constexpr std::uint8_t kEsparcidos[16] = {0x00, 0x01, 0x04, 0x05, 0x10, 0x11, 0x14, 0x15,
                                          0x40, 0x41, 0x44, 0x45, 0x50, 0x51, 0x54, 0x55};

// Position along the Hilbert curve of the cell (i, j), both below 2^kBits.
std::uint32_t Hilbert(std::uint32_t i, std::uint32_t j) {
  static_assert(kBits % 4 == 0);
  std::uint32_t d = 0;
  int estado = 0;
  for (int b = kBits - 4; b >= 0; b -= 4) {
    const unsigned cuadrantes = (static_cast<unsigned>(kEsparcidos[(i >> b) & 15]) << 1) | kEsparcidos[(j >> b) & 15];
    const std::uint16_t e = kHilbert_4.t[estado][cuadrantes];
    d = (d << 8) | (e & 0xFF);
    estado = e >> 8;
  }
  return d;
}

}  // namespace

Orden_Insercion Ordena_Para_Insercion(std::span<const double> x, std::span<const double> y) {
  const auto n = static_cast<int>(x.size());
  Orden_Insercion r;
  r.representante.resize(x.size());
  if (n == 0) return r;

  const auto [xmin, xmax] = std::minmax_element(x.begin(), x.end());
  const auto [ymin, ymax] = std::minmax_element(y.begin(), y.end());
  const double rango = std::max(*xmax - *xmin, *ymax - *ymin);
  constexpr double kCeldas = static_cast<double>((1u << kBits) - 1);
  const double escala = rango > 0 ? kCeldas / rango : 0;
  const auto celda = [&](double v, double minimo) {
    return static_cast<std::uint32_t>(std::min((v - minimo) * escala, kCeldas));
  };
  // Curve position above, point index below, in index order: sorted stably by the position alone, they end in the
  // order of the whole integers.
  std::vector<std::uint64_t> claves(x.size());
  for (int k = 0; k < n; ++k)
    claves[k] = static_cast<std::uint64_t>(Hilbert(celda(x[k], *xmin), celda(y[k], *ymin))) << 32 |
                static_cast<std::uint32_t>(k);
  Ordena_Por_Digitos(claves, [](std::uint64_t c) { return c >> 32; });
  // Within a cell, by coordinates and then index: exact duplicates become neighbours, the lowest index first.
  std::vector<int> ordenados(x.size());
  for (int k = 0; k < n; ++k) ordenados[k] = static_cast<int>(claves[k] & 0xFFFFFFFFu);
  for (int k = 0; k < n;) {
    int fin = k + 1;
    while (fin < n && claves[fin] >> 32 == claves[k] >> 32) ++fin;
    if (fin - k > 1)
      std::sort(ordenados.begin() + k, ordenados.begin() + fin, [&](int a, int b) {
        return x[a] != x[b] ? x[a] < x[b] : y[a] != y[b] ? y[a] < y[b] : a < b;
      });
    k = fin;
  }
  claves = {};

  std::vector<int> distintos;
  distintos.reserve(x.size());
  for (int k = 0; k < n; ++k) {
    const int i = ordenados[k];
    const int previo = k > 0 ? ordenados[k - 1] : -1;
    if (previo >= 0 && x[i] == x[previo] && y[i] == y[previo]) {
      r.representante[i] = r.representante[previo];
    } else {
      r.representante[i] = i;
      distintos.push_back(i);
    }
  }
  ordenados = {};

  // Round of each point: its number of trailing one bits in a random word, capped so that the first round holds
  // some 32 to 64 points. Higher rounds go first; within a round the curve's order stays.
  const auto m = distintos.size();
  const int rondas = m >= 64 ? std::bit_width(m / 32) - 1 : 0;
  std::mt19937_64 azar(0x5EED);
  std::vector<int> ronda(m);
  std::vector<std::size_t> inicio(static_cast<std::size_t>(rondas) + 2, 0);
  for (std::size_t k = 0; k < m; ++k) {
    ronda[k] = rondas - std::min(std::countr_one(azar()), rondas);
    ++inicio[static_cast<std::size_t>(ronda[k]) + 1];
  }
  for (std::size_t k = 1; k < inicio.size(); ++k) inicio[k] += inicio[k - 1];
  r.orden.resize(m);
  for (std::size_t k = 0; k < m; ++k) r.orden[inicio[static_cast<std::size_t>(ronda[k])]++] = distintos[k];
  return r;
}

}  // namespace Vyr_Trilat
