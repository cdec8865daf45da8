// The triangulation as LandXML, parsed again with libxml2: the surface's points in survey order with their own
// numbers and exact coordinates in LandXML's northing-easting order, and the faces by those numbers.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <random>

#include "hosts/cli/Salida_LandXML.h"
#include "tests/support/Carpeta_Temporal.h"

namespace Vyr_Trilat::prueba {
namespace {

using anfitrion::Levantamiento;
using Triangulos = std::vector<std::array<std::int64_t, 3>>;

std::string Nombre(const xmlNode* n) { return reinterpret_cast<const char*>(n->name); }

std::string Atributo(xmlNode* n, const char* nombre) {
  xmlChar* v = xmlGetProp(n, BAD_CAST nombre);
  std::string r = v ? reinterpret_cast<const char*>(v) : "";
  xmlFree(v);
  return r;
}

std::string Contenido(xmlNode* n) {
  xmlChar* v = xmlNodeGetContent(n);
  std::string r = reinterpret_cast<const char*>(v);
  xmlFree(v);
  return r;
}

std::vector<xmlNode*> Hijos(xmlNode* n, const char* nombre) {
  std::vector<xmlNode*> r;
  for (xmlNode* h = n->children; h; h = h->next)
    if (h->type == XML_ELEMENT_NODE && Nombre(h) == nombre) r.push_back(h);
  return r;
}

xmlNode* Hijo(xmlNode* n, const char* nombre) {
  const auto h = Hijos(n, nombre);
  return h.size() == 1 ? h[0] : nullptr;
}

std::vector<double> Numeros(const std::string& s) {
  std::vector<double> r;
  const char* p = s.data();
  const char* const fin = p + s.size();
  while (p < fin) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    double v;
    p = std::from_chars(p, fin, v).ptr;
    r.push_back(v);
  }
  return r;
}

TEST(SalidaLandXML, PuntosYCarasLeidosDeNuevo) {
  Carpeta_Temporal dir;
  std::mt19937_64 g(9);
  std::uniform_real_distribution<double> u(0, 1);
  Levantamiento lev;
  for (int i = 0; i < 500; ++i)
    lev.Agrega(1000000 + 13 * i + static_cast<std::int64_t>(g() % 13), 431000 + u(g) * 900, 4581000 + u(g) * 900,
               u(g) * 800 - 100);
  // Faces over every point but the first ten: those the surface does not use are not among its points.
  Triangulos tris;
  for (int t = 0; t < 800; ++t) {
    std::array<std::int64_t, 3> f;
    for (auto& n : f) n = lev.numeros[10 + g() % (lev.size() - 10)];
    tris.push_back(f);
  }
  for (std::size_t i = 10; i < lev.size(); ++i) tris.push_back({lev.numeros[i], lev.numeros[i], lev.numeros[i]});
  const auto ruta = dir / "tin.xml";
  anfitrion::Escribe_Tin_LandXML(ruta, lev, tris, "Terreno <final> & \"visto\"");
  EXPECT_EQ(dir.Contenido(), "tin.xml");

  xmlDoc* doc = xmlReadFile(ruta.c_str(), nullptr, XML_PARSE_NONET);
  ASSERT_NE(doc, nullptr);
  xmlNode* raiz = xmlDocGetRootElement(doc);
  EXPECT_EQ(Nombre(raiz), "LandXML");
  EXPECT_STREQ(reinterpret_cast<const char*>(raiz->ns->href), "http://www.landxml.org/schema/LandXML-1.2");
  EXPECT_EQ(Atributo(raiz, "version"), "1.2");
  EXPECT_EQ(Atributo(raiz, "date").size(), 10u);
  ASSERT_NE(Hijo(raiz, "Units"), nullptr);
  EXPECT_EQ(Atributo(Hijo(Hijo(raiz, "Units"), "Metric"), "linearUnit"), "meter");
  xmlNode* superficie = Hijo(Hijo(raiz, "Surfaces"), "Surface");
  ASSERT_NE(superficie, nullptr);
  EXPECT_EQ(Atributo(superficie, "name"), "Terreno <final> & \"visto\"");
  xmlNode* def = Hijo(superficie, "Definition");
  EXPECT_EQ(Atributo(def, "surfType"), "TIN");

  const auto puntos = Hijos(Hijo(def, "Pnts"), "P");
  ASSERT_EQ(puntos.size(), lev.size() - 10);
  for (std::size_t k = 0; k < puntos.size(); ++k) {
    const std::size_t i = k + 10;
    EXPECT_EQ(Atributo(puntos[k], "id"), std::to_string(lev.numeros[i]));
    EXPECT_EQ(Numeros(Contenido(puntos[k])), (std::vector<double>{lev.y[i], lev.x[i], lev.z[i]}));
  }
  const auto caras = Hijos(Hijo(def, "Faces"), "F");
  ASSERT_EQ(caras.size(), tris.size());
  for (std::size_t t = 0; t < tris.size(); ++t) {
    const auto& f = tris[t];
    EXPECT_EQ(Contenido(caras[t]), std::to_string(f[0]) + " " + std::to_string(f[1]) + " " + std::to_string(f[2]));
  }
  xmlFreeDoc(doc);
}

TEST(SalidaLandXML, FalloNoDejaNada) {
  Carpeta_Temporal dir;
  Levantamiento lev;
  lev.Agrega(4, 0, 0, 1);
  lev.Agrega(8, 1, 0, 2);
  lev.Agrega(9, 0, 1, 3);
  const auto viejo = dir.Escribe("tin.xml", "old");
  EXPECT_THROW(anfitrion::Escribe_Tin_LandXML(viejo, lev, {{4, 8, 5}}), std::invalid_argument);
  EXPECT_THROW(anfitrion::Escribe_Tin_LandXML(viejo / "tin.xml", lev, {{4, 8, 9}}), std::runtime_error);
  EXPECT_EQ(dir.Contenido(), "tin.xml");
  anfitrion::Escribe_Tin_LandXML(viejo, lev, {{4, 8, 9}});
  EXPECT_EQ(dir.Contenido(), "tin.xml");
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
