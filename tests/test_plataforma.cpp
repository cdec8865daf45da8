// The host-boundary types: bounded arrays, checked conversions, the error report, and the world-to-pixel
// transforms.
#include <gtest/gtest.h>

#include <cmath>
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
  EXPECT_EQ(Numero_Error([&] { (void)a.UBound(); }), 9);
  a.ReDim(1, 3);
  a(1) = 10;
  for (const Long fuera : {0, 4}) EXPECT_EQ(Numero_Error([&] { a(fuera) = 1; }), 9) << fuera;
  a.ReDim_Preserve(1, 5);
  EXPECT_TRUE(a(1) == 10 && a(5) == 0 && a.UBound() == 5);
  EXPECT_EQ(Numero_Error([&] { a.ReDim_Preserve(0, 2); }), 9);  // the lower bound stays
  // One element at the largest index: its upper bound is that index.
  constexpr Long kMayor = std::numeric_limits<Long>::max();
  a.ReDim(kMayor, kMayor);
  a(kMayor) = 7;
  EXPECT_TRUE(a.UBound() == kMayor && a(kMayor) == 7);
}

// Halves round to even; what does not fit is an overflow. The texts are what a person may have typed in the
// settings file. A negative error number takes the place of the blank before the others in a report.
TEST(Plataforma, ConversionesComprobadasEInforme) {
  for (const auto& [v, e] : {std::pair(2.5, 2), {3.5, 4}, {-2.5, -2}, {32767.4, 32767}}) EXPECT_EQ(CInt(v), e) << v;
  for (double v : {32767.5, -32768.6}) EXPECT_EQ(Numero_Error([v] { CInt(v); }), 6) << v;
  EXPECT_EQ(CLng(-2147483648.4), -2147483647 - 1);
  for (double v : {2147483647.5, std::nan("")}) EXPECT_EQ(Numero_Error([v] { CLng(v); }), 6) << v;
  EXPECT_EQ(Numero_Error([] { Suma(2147483647, 1); }), 6);
  EXPECT_TRUE(Variant::De_Texto(" 65280 ").A_Largo() == 65280 && Variant::De_Texto("1").A_Booleano() == True);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("abc").A_Doble(); }), 13);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("1e400").A_Doble(); }), 6);
  EXPECT_EQ(Variant::De_Doble(0.1).A_Texto(), "0.1");
  EXPECT_EQ(Texto_Informe_Error("Curvado - Error nº ", RuntimeError(-5, "x"), ": "), "Curvado - Error nº -5: x");
}

TEST(Plataforma, Transformadas) {
  auto sup = std::make_shared<Superficie_Grabadora>();
  const auto vista = [&](double escala, double alto) { mDibuja::Pon_Vista(0.0, 0.0, escala, alto, sup); };
  using mDibuja::Pixel_X;
  using mDibuja::Pixel_Y;
  vista(1, 300);
  const std::pair<double, Long> kPixel_X[] = {{0.999, 0},       {-0.001, -1},     {32000.5, 32000}, {32001, 32000},
                                              {-40000, -32000}, {-32000, -32000}, {-32001, -32000}};
  for (const auto& [x, px] : kPixel_X) EXPECT_EQ(Pixel_X(x), px) << x;
  for (const auto& [y, py] : {std::pair(0.0, 300), {0.5, 300}, {1.0, 299}, {-0.5, 301}}) EXPECT_EQ(Pixel_Y(y), py) << y;
  for (const auto& [alto, py] : {std::pair(300.5, 300), {301.5, 302}}) {
    vista(1, alto);
    EXPECT_EQ(Pixel_Y(0), py) << alto;
  }
  EXPECT_EQ(Numero_Error([] { Pixel_X(3e9); }), 6);  // beyond 32 bits: an overflow, not a clamp
  vista(0, 300);
  EXPECT_EQ(Numero_Error([] { Pixel_X(1); }), 11);
  EXPECT_EQ(Numero_Error([] { Pixel_X(0); }), 6);

  // Not a picture box: type mismatch, and the view set before the refusal stays.
  EXPECT_EQ(Numero_Error([] { mDibuja::Pon_Vista(7.0, 0.0, 1.0, 300.0, std::make_shared<Progreso_Grabador>()); }), 13);
  EXPECT_TRUE(mDibuja::Estado().oX1 == 7 && mDibuja::Estado().draww == sup);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
