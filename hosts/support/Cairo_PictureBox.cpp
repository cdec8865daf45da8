#include "hosts/support/Cairo_PictureBox.h"

#include <cairo-svg.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "hosts/support/Archivo_Atomico.h"

namespace Vyr_Trilat {

namespace {

// Figures collected into one fill of the SVG: each fill is one element, and one per figure would make the file
// several times larger.
constexpr int kFiguras_Por_Relleno = 1024;
// Recent strokes remembered: a quarter as many as kept, as a power of two from 2^8 to 2^16 (2 MB, near the cache).
constexpr int kBits_Recientes_Min = 8, kBits_Recientes_Max = 16;

struct Esquina {
  double x;
  double y;
};
using Figura = std::array<Esquina, 4>;

void Comprueba(cairo_status_t estado) {
  if (estado == CAIRO_STATUS_SUCCESS) return;
  if (estado == CAIRO_STATUS_NO_MEMORY) throw std::bad_alloc();
  throw std::runtime_error(std::string("Cairo: ") + cairo_status_to_string(estado));
}

void Pon_Color(cairo_t* cr, Long color) {
  cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

cairo_status_t Escribe_Flujo(void* flujo, const unsigned char* datos, unsigned int longitud) {
  auto& f = *static_cast<std::ostream*>(flujo);
  f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(longitud));
  return f ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

// `escribe(funcion, cierre)` streams the file's bytes through a Cairo write function, into the file written
// whole or not at all.
template <typename Escritor>
void Guarda_Con_Cairo(const std::string& ruta, Escritor&& escribe) {
  anfitrion::Escribe_Atomico(ruta, [&](std::ostream& f) {
    const cairo_status_t estado = escribe(Escribe_Flujo, &f);
    if (estado != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(estado));
  });
}

// Adds a quadrilateral to the path, always turning the same way: overlapping figures of one fill would
// otherwise cut holes in each other under the winding rule.
void Agrega_Figura(cairo_t* cr, const Figura& f) {
  double area = 0;
  for (int i = 0; i < 4; ++i) area += f[i].x * f[(i + 1) % 4].y - f[(i + 1) % 4].x * f[i].y;
  for (int k = 0; k < 4; ++k) {
    const Esquina& e = f[area >= 0 ? k : 3 - k];
    (k == 0 ? cairo_move_to : cairo_line_to)(cr, e.x, e.y);
  }
  cairo_close_path(cr);
}

}  // namespace

Cairo_PictureBox::Cairo_PictureBox(int ancho, int alto, Long fondo)
    : ancho_(ancho), alto_(alto), fondo_(fondo), color_dibujo_(fondo) {
  if (ancho < 1 || alto < 1 || ancho > 32767 || alto > 32767) {
    throw std::invalid_argument("Tamaño de imagen no válido: " + std::to_string(ancho) + " x " + std::to_string(alto));
  }
  imagen_.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, ancho, alto));
  Comprueba(cairo_surface_status(imagen_.get()));
  dibujo_.reset(cairo_create(imagen_.get()));
  Pon_Color(dibujo_.get(), fondo);
  cairo_paint(dibujo_.get());
  cairo_set_antialias(dibujo_.get(), CAIRO_ANTIALIAS_NONE);
  Comprueba(cairo_status(dibujo_.get()));
}

Cairo_PictureBox::~Cairo_PictureBox() = default;

void Cairo_PictureBox::Segmento(POINT desde, POINT hasta) { Dibuja({desde, hasta, fore_color_, draw_width_}); }

void Cairo_PictureBox::Polilinea(const std::vector<POINT>& puntos) {
  for (std::size_t i = 1; i < puntos.size(); ++i) Segmento(puntos[i - 1], puntos[i]);
}

void Cairo_PictureBox::PSet(float x, float y, Long color) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  const double px = std::floor(x + 0.5);
  const double py = std::floor(y + 0.5);
  if (px < 0 || py < 0 || px >= ancho_ || py >= alto_) return;
  const POINT p{static_cast<Long>(px), static_cast<Long>(py)};
  Dibuja({p, {p.x + 1, p.y}, color, 1});
}

// The pen covers `ancho` pixels across the line's major axis in every column (or row) from the first pixel up
// to, not including, the last: a parallelogram whose ends lie on pixel edges, so that which pixels it covers
// never depends on rounding. A wider pen also covers a square at the start, which closes the corners where
// consecutive segments meet. A segment drawn both ways is the two strokes, or (`unidas`, for the vector copy)
// their union: one parallelogram across the last pixel too, with a square at each end.
template <typename Receptor>
void Cairo_PictureBox::Figuras(const Trazo& t, bool unidas, Receptor&& recibe) {
  if (t.doble && !unidas) {
    Figuras({t.desde, t.hasta, t.color, t.ancho}, false, recibe);
    Figuras({t.hasta, t.desde, t.color, t.ancho}, false, recibe);
    return;
  }
  const double dx = static_cast<double>(t.hasta.x) - t.desde.x;
  const double dy = static_cast<double>(t.hasta.y) - t.desde.y;
  if (dx == 0 && dy == 0) return;
  const double medio = t.ancho / 2.0;
  const double cx = t.desde.x + 0.5;
  const double cy = t.desde.y + 0.5;
  const bool horizontal = std::fabs(dx) >= std::fabs(dy);
  const double paso = horizontal ? std::fabs(dx) : std::fabs(dy);
  // Half a pixel back along the major axis: the start pixel is covered whole, the end pixel not at all.
  const double ax = cx - 0.5 * dx / paso;
  const double ay = cy - 0.5 * dy / paso;
  const double mas = t.doble ? 1 : 0;
  const double bx = ax + dx + mas * dx / paso;
  const double by = ay + dy + mas * dy / paso;
  const double nx = horizontal ? 0 : medio;
  const double ny = horizontal ? medio : 0;
  recibe(Figura{{{ax - nx, ay - ny}, {bx - nx, by - ny}, {bx + nx, by + ny}, {ax + nx, ay + ny}}});
  if (t.ancho == 1) return;
  const auto cuadrado = [&](POINT p) {
    const double x = p.x + 0.5, y = p.y + 0.5;
    recibe(Figura{{{x - medio, y - medio}, {x + medio, y - medio}, {x + medio, y + medio}, {x - medio, y + medio}}});
  };
  cuadrado(t.desde);
  if (t.doble) cuadrado(t.hasta);
}

Cairo_PictureBox::Reciente& Cairo_PictureBox::Ranura(const Trazo& trazo) {
  // Both ways of a segment share a slot.
  const bool al_reves = std::pair{trazo.hasta.x, trazo.hasta.y} < std::pair{trazo.desde.x, trazo.desde.y};
  const POINT a = al_reves ? trazo.hasta : trazo.desde, b = al_reves ? trazo.desde : trazo.hasta;
  std::uint64_t h = 0;
  for (const Long v : {a.x, a.y, b.x, b.y, Long{trazo.ancho}})
    h = (h ^ static_cast<std::uint64_t>(v)) * 0x9E3779B97F4A7C15ULL;
  return recientes_[h >> (64 - bits_recientes_)];
}

void Cairo_PictureBox::Dibuja(const Trazo& trazo) {
  if (trazo.desde == trazo.hasta) return;
  // While the colour stays, a stroke exactly like a recent one covers no pixel that one did not, and one that runs
  // the other way adds only that one's last pixel, which it then covers itself (not yet filled into the image):
  // the model's edges come twice, once from each of their triangles.
  if (trazo.color != color_recientes_) {
    color_recientes_ = trazo.color;
    ++generacion_;
  }
  if (recientes_.empty() ||
      (bits_recientes_ < kBits_Recientes_Max && trazos_.size() >= (std::size_t{4} << bits_recientes_))) {
    // A new table forgets the strokes remembered: some repeats are then kept, which is only a little waste.
    bits_recientes_ = std::max(bits_recientes_ + 1, kBits_Recientes_Min);
    recientes_.assign(std::size_t{1} << bits_recientes_, {});
  }
  Reciente& r = Ranura(trazo);
  const bool vigente = r.generacion == generacion_ && r.trazo.ancho == trazo.ancho;
  const bool igual = vigente && r.trazo.desde == trazo.desde && r.trazo.hasta == trazo.hasta;
  const bool vuelta = vigente && r.trazo.desde == trazo.hasta && r.trazo.hasta == trazo.desde;
  if (igual) return;
  if (vuelta && r.lugar >= rellenos_) {
    trazos_[r.lugar].doble = true;
    return;
  }
  r = {trazo, trazos_.size(), generacion_};
  trazos_.push_back(trazo);
}

void Cairo_PictureBox::Rellena_Pendientes() const {
  cairo_t* cr = dibujo_.get();
  for (; rellenos_ < trazos_.size(); ++rellenos_) {
    const Trazo& trazo = trazos_[rellenos_];
    if (trazo.color != color_dibujo_) Pon_Color(cr, trazo.color);
    color_dibujo_ = trazo.color;
    // One fill per figure: without antialiasing Cairo may cover a pixel between two figures of one path that
    // neither figure covers alone.
    Figuras(trazo, false, [cr](const Figura& f) {
      Agrega_Figura(cr, f);
      cairo_fill(cr);
    });
  }
  Comprueba(cairo_status(cr));
}

void Cairo_PictureBox::Repite_Trazos(cairo_t* cr) const {
  int pendientes = 0;
  Long color = fondo_;
  const auto rellena = [&] {
    if (pendientes == 0) return;
    Pon_Color(cr, color);
    cairo_fill(cr);
    pendientes = 0;
  };
  for (const Trazo& t : trazos_) {
    if (t.color != color) rellena();
    color = t.color;
    Figuras(t, true, [&](const Figura& f) {
      Agrega_Figura(cr, f);
      ++pendientes;
    });
    if (pendientes >= kFiguras_Por_Relleno) rellena();
  }
  rellena();
}

Long Cairo_PictureBox::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= ancho_ || y >= alto_) {
    throw std::out_of_range("Pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") fuera de la imagen");
  }
  Rellena_Pendientes();
  cairo_surface_flush(imagen_.get());
  const unsigned char* fila = cairo_image_surface_get_data(imagen_.get()) +
                              static_cast<std::size_t>(y) * cairo_image_surface_get_stride(imagen_.get());
  std::uint32_t p;
  std::memcpy(&p, fila + 4 * static_cast<std::size_t>(x), sizeof p);
  return static_cast<Long>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
}

void Cairo_PictureBox::Guarda_PNG(const std::string& ruta) const {
  Rellena_Pendientes();
  Guarda_Con_Cairo(ruta, [this](cairo_write_func_t escribe, void* cierre) {
    return cairo_surface_write_to_png_stream(imagen_.get(), escribe, cierre);
  });
}

void Cairo_PictureBox::Guarda_SVG(const std::string& ruta) const {
  Guarda_Con_Cairo(ruta, [this](cairo_write_func_t escribe, void* cierre) {
    const Superficie_Cairo svg(cairo_svg_surface_create_for_stream(escribe, cierre, ancho_, alto_));
    cairo_svg_surface_set_document_unit(svg.get(), CAIRO_SVG_UNIT_PX);
    {
      const Contexto_Dibujo cr(cairo_create(svg.get()));
      Pon_Color(cr.get(), fondo_);
      cairo_paint(cr.get());
      Repite_Trazos(cr.get());
      if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return cairo_status(cr.get());
    }
    cairo_surface_finish(svg.get());
    return cairo_surface_status(svg.get());
  });
}

}  // namespace Vyr_Trilat
