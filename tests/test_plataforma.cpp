// The host-boundary types: bounded arrays, checked conversions, the error report, and the world-to-pixel
// transforms.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tests/support/Grabadores.h"
#include "tests/support/Numero_Error.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Variant.h"

namespace Vyr_Trilat::prueba {
namespace {

TEST(Plataforma, HostArrayLimites) {
  HostArray<Long> a;
  EXPECT_FALSE(a.Allocated());
  EXPECT_EQ(Numero_Error([&] { a(0) = 1; }), 9);
  EXPECT_EQ(Numero_Error([&] { (void)a.UBound(); }), 9);
  a.ReDim(1, 3);
  a(1) = 10, a(3) = 30;
  EXPECT_EQ(Numero_Error([&] { a(0) = 1; }), 9);
  EXPECT_EQ(Numero_Error([&] { a(4) = 1; }), 9);
  a.ReDim_Preserve(1, 5);
  EXPECT_EQ(a(1), 10);
  EXPECT_EQ(a(3), 30);
  EXPECT_EQ(a(5), 0);
  a.ReDim_Preserve(1, 2);
  EXPECT_EQ(a.UBound(), 2);
  EXPECT_EQ(a(1), 10);
  EXPECT_EQ(Numero_Error([&] { a.ReDim_Preserve(0, 2); }), 9);  // the lower bound stays
  a.ReDim(-2, 0);
  EXPECT_EQ(a(-2), 0);
  EXPECT_EQ(a.LBound(), -2);
  // One element at the largest index: its upper bound is that index.
  constexpr Long kMayor = std::numeric_limits<Long>::max();
  a.ReDim(kMayor, kMayor);
  a(kMayor) = 7;
  EXPECT_EQ(a.UBound(), kMayor);
  EXPECT_EQ(a(kMayor), 7);
  a.Erase();
  EXPECT_FALSE(a.Allocated());
}

TEST(Plataforma, ConversionesComprobadas) {
  for (const auto& [v, e] : {std::pair(2.5, 2), {3.5, 4}, {-2.5, -2}, {32767.4, 32767}}) EXPECT_EQ(CInt(v), e) << v;
  for (double v : {32767.5, -32768.6}) EXPECT_EQ(Numero_Error([v] { CInt(v); }), 6) << v;
  EXPECT_EQ(CLng(-2147483648.4), -2147483647 - 1);
  EXPECT_EQ(Numero_Error([] { CLng(2147483647.5); }), 6);
  EXPECT_EQ(Numero_Error([] { CLng(std::nan("")); }), 6);
  EXPECT_EQ(Numero_Error([] { Suma(2147483647, 1); }), 6);

  // The settings tests read back what the store writes; these are what a person may have typed in its file.
  EXPECT_EQ(Variant::De_Texto(" 65280 ").A_Largo(), 65280);
  EXPECT_EQ(Variant::De_Texto("1").A_Booleano(), True);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("abc").A_Doble(); }), 13);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("1e400").A_Doble(); }), 6);
  EXPECT_EQ(Variant::De_Doble(0.1).A_Texto(), "0.1");
}

// Every report of the library, with its title and style, is compared whole where the library shows it; a number
// below zero takes the place of the blank before the others.
TEST(Plataforma, InformeDeErrorConNumeroNegativo) {
  EXPECT_EQ(Texto_Informe_Error("Curvado - Error nº ", RuntimeError(-5, "x"), ": "), "Curvado - Error nº -5: x");
}

// What the primitives draw is read in the drawing logs of the contouring and the breaklines, and in the pixels
// of the command's picture box.
TEST(Plataforma, Transformadas) {
  auto sup = std::make_shared<Superficie_Grabadora>();
  double o = 0, e = 1, alto = 300;
  mDibuja::Pon_Vista(o, o, e, alto, sup);
  using mDibuja::Pixel_X;
  using mDibuja::Pixel_Y;
  const std::pair<double, Long> kPixel_X[] = {{0.999, 0},       {-0.001, -1},     {32000.5, 32000}, {32001, 32000},
                                              {-40000, -32000}, {-32000, -32000}, {-32001, -32000}};
  for (const auto& [x, px] : kPixel_X) EXPECT_EQ(Pixel_X(x), px) << x;
  for (const auto& [y, py] : {std::pair(0.0, 300), {0.5, 300}, {1.0, 299}, {-0.5, 301}}) EXPECT_EQ(Pixel_Y(y), py) << y;
  alto = 300.5;
  mDibuja::Pon_Vista(o, o, e, alto, sup);
  EXPECT_EQ(Pixel_Y(0), 300);
  alto = 301.5;
  mDibuja::Pon_Vista(o, o, e, alto, sup);
  EXPECT_EQ(Pixel_Y(0), 302);
  EXPECT_EQ(Numero_Error([] { Pixel_X(3e9); }), 6);  // beyond 32 bits: an overflow, not a clamp
  double cero = 0;
  mDibuja::Pon_Vista(o, o, cero, alto, sup);
  EXPECT_EQ(Numero_Error([] { Pixel_X(1); }), 11);
  EXPECT_EQ(Numero_Error([] { Pixel_X(0); }), 6);

  // Not a picture box: type mismatch, and the view set before the refusal stays.
  auto progreso = std::make_shared<Progreso_Grabador>();
  double otro = 7;
  EXPECT_EQ(Numero_Error([&] { mDibuja::Pon_Vista(otro, o, e, alto, progreso); }), 13);
  EXPECT_EQ(mDibuja::Estado().oX1, 7);
  EXPECT_EQ(mDibuja::Estado().draww, sup);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
