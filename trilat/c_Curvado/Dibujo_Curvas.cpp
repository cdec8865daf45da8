#include "trilat/c_Curvado/Dibujo_Curvas.h"

#include "trilat/c_Curvado/Muestreo_BSpline.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/MsgBox.h"

namespace Vyr_Trilat {

namespace {

// Appends the line after those stored. The list grows before the counter does, so a failure never leaves the
// counter pointing past the list or an empty line among the stored ones.
void Guarda(Estado_Curvado& s, const std::vector<Pto3D>& vertices, Long color) {
  const Long n = Suma(s.nCurvas, 1);
  s.Datos.Curvas.ReDim_Preserve(0, n);
  Curva& c = s.Datos.Curvas(n);
  const auto ultimo = static_cast<Long>(vertices.size()) - 1;
  c.Vertices.ReDim(0, ultimo);
  for (Long i = 0; i <= ultimo; ++i) c.Vertices(i) = vertices[static_cast<std::size_t>(i)];
  c.Ultimo = ultimo;
  c.Color = color;
  c.Maestra = s.Es_Maestra;
  s.nCurvas = n;
}

// One polyline through the first `cuantos` vertices, in the line's colour, through the shared pixel buffer.
void Polilinea(const std::vector<Pto3D>& vertices, Long cuantos, Long color) {
  auto& p = mDibuja::Estado().Ptos_Curva;
  p.ReDim(0, static_cast<Long>(vertices.size()) - 1);
  for (Long i = 0; i <= p.UBound(); ++i) {
    const Pto3D& v = vertices[static_cast<std::size_t>(i)];
    p(i) = {mDibuja::Pixel_X(v.X), mDibuja::Pixel_Y(v.Y)};
  }
  PictureBox& draww = mDibuja::Superficie();
  draww.Let_ForeColor(color);
  Polyline(draww.hDC(), &p(0), cuantos);
}

}  // namespace

void Curva_Recta(Estado_Curvado& s, const Secuencia_Control& c, double cota, Long color) {
  try {
    mDibuja::Superficie().Let_ForeColor(color);
    const Long n = c.nCtrl();
    for (std::size_t i = 1; i + 3 <= static_cast<std::size_t>(n); ++i) {
      mDibuja::Linea(c.X[i], c.Y[i], c.X[i + 1], c.Y[i + 1]);
      mDibuja::Linea_Hasta(c.X[i + 2], c.Y[i + 2]);
    }
    std::vector<Pto3D> vertices(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < vertices.size(); ++i) vertices[i] = {c.X[i], c.Y[i], cota};
    Guarda(s, vertices, color);
    // The last value stands three times, so leaving out the last slot still draws the whole line.
    if (Es_Verdadero(s.Dibuja_Curvas)) Polilinea(vertices, n - 1, color);
  } catch (const RuntimeError& e) {
    MsgBox(Texto_Informe_Error(e.Source(), e, ""), vbOKOnly);
  }
}

void Curva_Suave(Estado_Curvado& s, const Secuencia_Control& c, Long segmentos, Long color, double cota) {
  const std::vector<Pto3D> muestras = Muestrea(c, segmentos, cota);
  Guarda(s, muestras, color);
  if (Es_Verdadero(s.Dibuja_Curvas)) Polilinea(muestras, static_cast<Long>(muestras.size()), color);
}

}  // namespace Vyr_Trilat
