// The triangulation as LandXML, parsed again with libxml2: the surface's points in survey order with their own
// numbers and exact coordinates in LandXML's northing-easting order, without exponents, and the faces by those
// numbers.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <charconv>
#include <cmath>
#include <random>

#include "hosts/cli/Salida_LandXML.h"
#include "tests/support/Carpeta_Temporal.h"

namespace Vyr_Trilat::prueba {
namespace {

using anfitrion::Levantamiento;
using Textos = std::vector<std::string>;

// The text of every node the path selects, "l:" naming LandXML 1.2's elements.
Textos Selecciona(xmlDoc* doc, const std::string& camino) {
  xmlXPathContextPtr contexto = xmlXPathNewContext(doc);
  xmlXPathRegisterNs(contexto, BAD_CAST "l", BAD_CAST "http://www.landxml.org/schema/LandXML-1.2");
  xmlXPathObjectPtr nodos = xmlXPathEvalExpression(BAD_CAST camino.c_str(), contexto);
  Textos r;
  for (int i = 0; nodos && nodos->nodesetval && i < nodos->nodesetval->nodeNr; ++i) {
    xmlChar* t = xmlNodeGetContent(nodos->nodesetval->nodeTab[i]);
    r.emplace_back(reinterpret_cast<const char*>(t));
    xmlFree(t);
  }
  xmlXPathFreeObject(nodos);
  xmlXPathFreeContext(contexto);
  return r;
}

std::vector<double> Numeros(const std::string& s) {
  std::vector<double> r;
  for (const char *p = s.data(), *fin = p + s.size(); p < fin;)
    p = *p == ' ' ? p + 1 : std::from_chars(p, fin, r.emplace_back()).ptr;
  return r;
}

TEST(SalidaLandXML, PuntosYCarasLeidosDeNuevo) {
  Carpeta_Temporal dir;
  std::mt19937_64 g(9);
  std::uniform_real_distribution<double> u(0, 1);
  Levantamiento lev;
  // Every fifth point on whole metres, which the shortest text would write as 4.317e+05.
  for (int i = 0; i < 500; ++i) {
    const auto redondo = [&](double v) { return i % 5 == 0 ? std::round(v / 100) * 100 : v; };
    lev.Agrega(1000000 + 13 * i + static_cast<std::int64_t>(g() % 13), redondo(431000 + u(g) * 900),
               redondo(4581000 + u(g) * 900), redondo(u(g) * 800 - 100));
  }
  // Faces over every point but the first ten: those the surface does not use are not among its points.
  std::vector<std::array<std::int64_t, 3>> tris;
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
  EXPECT_EQ(Selecciona(doc, "/l:LandXML/l:Surfaces/l:Surface/@name"), Textos{"Terreno <final> & \"visto\""});
  const std::string def = "/l:LandXML/l:Surfaces/l:Surface/l:Definition";

  const Textos ids = Selecciona(doc, def + "/l:Pnts/l:P/@id"), puntos = Selecciona(doc, def + "/l:Pnts/l:P");
  ASSERT_TRUE(puntos.size() == lev.size() - 10 && ids.size() == puntos.size());
  for (std::size_t k = 0; k < puntos.size(); ++k) {
    const std::size_t i = k + 10;
    EXPECT_EQ(ids[k], std::to_string(lev.numeros[i]));
    EXPECT_EQ(Numeros(puntos[k]), (std::vector<double>{lev.y[i], lev.x[i], lev.z[i]}));
    EXPECT_EQ(puntos[k].find('e'), std::string::npos) << puntos[k];
  }
  Textos caras;
  for (const auto& f : tris)
    caras.push_back(std::to_string(f[0]) + " " + std::to_string(f[1]) + " " + std::to_string(f[2]));
  EXPECT_EQ(Selecciona(doc, def + "/l:Faces/l:F"), caras);
  xmlFreeDoc(doc);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
