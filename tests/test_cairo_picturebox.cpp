// The Cairo picture box seen through the library's own drawing primitives: which pixels a line covers, the
// platform's pen-position rules, pen widths and colours, and the PNG and SVG files it saves.
#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <regex>

#include "hosts/support/Cairo_PictureBox.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {
namespace {

namespace fs = std::filesystem;
using Imagen = std::map<std::pair<int, int>, Long>;  // the colour of each pixel painted

constexpr Long kBlanco = 0xFFFFFF, kRojo = 0x0000FF, kVerde = 0x00FF00, kAzul = 0xFF0000;
constexpr int kAlto = 30;

// A picture on which world units are pixels and world Y grows upwards from the bottom row.
std::shared_ptr<Cairo_PictureBox> Vista() {
  auto p = std::make_shared<Cairo_PictureBox>(40, kAlto);
  mDibuja::Pon_Vista(0.0, 0.0, 1.0, kAlto, p);
  return p;
}
double Y(int fila) { return kAlto - fila; }

Imagen Pintados(const Cairo_PictureBox& p) {
  Imagen r;
  for (int y = 0; y < p.Alto(); ++y)
    for (int x = 0; x < p.Ancho(); ++x)
      if (const Long c = p.Pixel(x, y); c != kBlanco) r[{x, y}] = c;
  return r;
}

// Pixels of horizontal, vertical or diagonal runs {x0, y0, x1, y1}, each up to, not including, (x1, y1).
Imagen Rectas(Long color, std::initializer_list<std::array<int, 4>> tramos) {
  Imagen r;
  for (auto [x, y, x1, y1] : tramos)
    for (const int sx = (x1 > x) - (x1 < x), sy = (y1 > y) - (y1 < y); x != x1 || y != y1; x += sx, y += sy)
      r[{x, y}] = color;
  return r;
}

TEST(Cairo_PictureBox, LinesFollowThePlatformPenRulesAndColours) {
  auto pic = Vista();
  mDibuja::Linea_Color(2, Y(5), 8, Y(5), kRojo, 0);
  mDibuja::Linea_Hasta(8, Y(1));         // continues from where the pen was left
  mDibuja::Linea(20, Y(20), 20, Y(20));  // draws nothing, moves the pen
  mDibuja::Linea_Hasta(23, Y(20));
  mDibuja::Triangulo(30, Y(2), 36, Y(2), 30, Y(8));  // closed outline; the pen stays at (23, 20)
  mDibuja::Linea_Hasta(23, Y(25));
  const Imagen lineas = Rectas(
      kRojo,
      {{2, 5, 8, 5}, {8, 5, 8, 1}, {20, 20, 23, 20}, {30, 2, 36, 2}, {36, 2, 30, 8}, {30, 8, 30, 2}, {23, 20, 23, 25}});
  EXPECT_EQ(Pintados(*pic), lineas);
  EXPECT_EQ(pic->hDC()->Posicion(), (POINT{23, 25}));

  // Linea_Color leaves its colour for later lines; a point covers them, and one outside the picture is left out.
  mDibuja::Linea_Color(10, Y(0), 10, Y(20), kVerde, 0);
  mDibuja::Linea(14, Y(10), 17, Y(10));
  mDibuja::Punto(15, Y(10), kRojo);
  mDibuja::Punto(-3, Y(10), kRojo);
  EXPECT_EQ((std::array{pic->Pixel(10, 10), pic->Pixel(14, 10), pic->Pixel(15, 10)}),
            (std::array{kVerde, kVerde, kRojo}));
  EXPECT_THROW(pic->Pixel(40, 0), std::out_of_range);
}

TEST(Cairo_PictureBox, DrawWidthSetsThicknessAcrossTheLine) {
  for (Integer ancho : {0, 1, 2, 3, 5}) {
    auto pic = Vista();
    pic->Let_DrawWidth(ancho);
    mDibuja::Linea(5, Y(10), 30, Y(10));
    mDibuja::Linea(20, Y(15), 20, Y(28));
    int fila = 0, columna = 0;
    for (int i = 0; i < kAlto; ++i) fila += pic->Pixel(12, i) != kBlanco;
    for (int i = 0; i < pic->Ancho(); ++i) columna += pic->Pixel(i, 22) != kBlanco;
    EXPECT_TRUE(fila == std::max<int>(ancho, 1) && columna == fila) << "width " << ancho;
    EXPECT_EQ(pic->Pixel(30, 10), kBlanco) << "a wide pen still leaves the end undrawn";
  }
}

// A stroke repeated while the colour stays is left out, and one drawn back the other way joins the first (the
// model's edges come once from each of their two triangles); after another colour a stroke is drawn again.
// Every picture must show what painting each stroke's own pixels in order shows (also when the image was read
// in between, so that the first is filled already), and drawing every stroke twice must not change the SVG.
TEST(Cairo_PictureBox, RepeatedStrokesAddNothingAndLaterColoursStayOnTop) {
  std::mt19937 azar(11);
  const prueba::Carpeta_Temporal carpeta;
  // The file's text but for the number Cairo gives each surface it makes.
  const auto texto = [&](const Cairo_PictureBox& p, const char* nombre) {
    p.Guarda_SVG((carpeta / nombre).string());
    return std::regex_replace(prueba::Lee_Archivo(carpeta / nombre), std::regex("id=\"surface[0-9]+\""), "");
  };
  struct Golpe {
    POINT desde, hasta;
    Long color;
    Integer ancho;
    Golpe Vuelta() const { return {hasta, desde, color, ancho}; }
  };
  const auto traza = [](Cairo_PictureBox& p, const Golpe& g) {
    p.Let_ForeColor(g.color);
    p.Let_DrawWidth(g.ancho);
    MoveToEx(p.hDC(), g.desde.x, g.desde.y);
    LineTo(p.hDC(), g.hasta.x, g.hasta.y);
  };
  const auto pinta = [&](Imagen& esperado, const Golpe& g) {
    Cairo_PictureBox solo(12, 12);
    traza(solo, g);
    for (const auto& [q, color] : Pintados(solo)) esperado[q] = color;
  };
  for (int caso = 0; caso < 100; ++caso) {
    std::uniform_int_distribution<int> coord(0, 11), cual(0, 5), color(0, 2), ancho(1, 2), sentido(0, 1);
    std::array<std::pair<POINT, POINT>, 6> segmentos;
    for (auto& [a, b] : segmentos) a = {coord(azar), coord(azar)}, b = {coord(azar), coord(azar)};
    Cairo_PictureBox dibujo(12, 12), doble(12, 12), vuelta(12, 12), vuelta_doble(12, 12), vuelta_leida(12, 12);
    Imagen esperado, esperado_vuelta;
    for (int k = 0; k < 40; ++k) {
      const auto& [a, b] = segmentos[static_cast<std::size_t>(cual(azar))];
      Golpe g{a, b, std::array{kRojo, kVerde, kAzul}[static_cast<std::size_t>(color(azar))],
              static_cast<Integer>(ancho(azar))};
      if (sentido(azar)) g = g.Vuelta();
      traza(dibujo, g);
      for (int vez = 0; vez < 2; ++vez) traza(doble, g);
      pinta(esperado, g);
      for (Cairo_PictureBox* p : {&vuelta, &vuelta_leida}) {
        traza(*p, g);
        if (p == &vuelta_leida && k == 20) (void)p->Pixel(0, 0);
        traza(*p, g.Vuelta());
      }
      for (int vez = 0; vez < 2; ++vez) traza(vuelta_doble, g), traza(vuelta_doble, g.Vuelta());
      pinta(esperado_vuelta, g);
      pinta(esperado_vuelta, g.Vuelta());
    }
    ASSERT_EQ(Pintados(dibujo), esperado) << "case " << caso;
    ASSERT_EQ(Pintados(vuelta), esperado_vuelta) << "case " << caso;
    ASSERT_EQ(Pintados(vuelta_leida), esperado_vuelta) << "case " << caso;
    ASSERT_EQ(texto(dibujo, "a.svg"), texto(doble, "b.svg")) << "case " << caso;
    ASSERT_EQ(texto(vuelta, "a.svg"), texto(vuelta_doble, "b.svg")) << "case " << caso;
  }
  // In the SVG a segment drawn both ways is one figure, from the first pixel's outer edge to the last one's.
  Cairo_PictureBox p(12, 12);
  traza(p, {{1, 2}, {8, 5}, kRojo, 1});
  traza(p, {{8, 5}, {1, 2}, kRojo, 1});
  const std::string svg = texto(p, "c.svg");
  EXPECT_NE(svg.find("d=\"M 1 1.785156 L 9 5.214844 L 9 6.214844 L 1 2.785156 Z M 1 1.785156 \""), std::string::npos)
      << svg;
}

TEST(Cairo_PictureBox, SavesPngAndSvgAtomically) {
  const prueba::Carpeta_Temporal carpeta;
  auto pic = Vista();
  mDibuja::Linea_Color(2, Y(5), 20, Y(5), kRojo, 0);
  mDibuja::Linea_Color(2, Y(9), 20, Y(9), kAzul, 0);
  const std::string png = (carpeta / "dibujo.png").string(), svg = (carpeta / "dibujo.svg").string();
  pic->Guarda_PNG(png);
  pic->Guarda_PNG(png);  // replaces the file in place
  pic->Guarda_SVG(svg);
  EXPECT_EQ(carpeta.Contenido(), "dibujo.png dibujo.svg");

  cairo_surface_t* leida = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(leida), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(leida), 40);
  const auto argb = [&](int x, int y) {
    std::uint32_t p;
    std::memcpy(&p, cairo_image_surface_get_data(leida) + y * cairo_image_surface_get_stride(leida) + 4 * x, 4);
    return p & 0xFFFFFF;
  };
  // Red in the file's red channel.
  EXPECT_EQ((std::array{argb(3, 5), argb(3, 9), argb(20, 5)}), (std::array{0xFF0000u, 0x0000FFu, 0xFFFFFFu}));
  cairo_surface_destroy(leida);

  const std::string texto = prueba::Lee_Archivo(svg);
  for (const char* parte : {"width=\"40px\" height=\"30px\"", "fill:rgb(100%,0%,0%)", "fill:rgb(0%,0%,100%)", "</svg>"})
    EXPECT_NE(texto.find(parte), std::string::npos) << parte;
  std::size_t trazados = 0;
  for (auto i = texto.find("<path"); i != std::string::npos; i = texto.find("<path", i + 1)) ++trazados;
  EXPECT_EQ(trazados, 2u) << "one filled path per run of one colour";

  // Failures: a missing folder, and a temporary file that cannot be renamed over a folder.
  const std::string sin_carpeta = (carpeta / "no_existe" / "dibujo.png").string();
  EXPECT_NE(prueba::Mensaje_Error([&] { pic->Guarda_PNG(sin_carpeta); }).find(sin_carpeta), std::string::npos);
  fs::remove(svg);
  fs::create_directory(svg);
  EXPECT_THROW(pic->Guarda_SVG(svg), std::runtime_error);
  EXPECT_THROW(pic->Guarda_PNG(svg), std::runtime_error);
  EXPECT_EQ(carpeta.Contenido(), "dibujo.png dibujo.svg");
  EXPECT_TRUE(fs::is_directory(svg));
  EXPECT_THROW(Cairo_PictureBox(0, 10), std::invalid_argument);
}

}  // namespace
}  // namespace Vyr_Trilat
