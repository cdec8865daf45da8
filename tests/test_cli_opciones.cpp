// The command line refused while it is read, before any work: values no run could use are usage errors.
#include <gtest/gtest.h>

#include "hosts/cli/Opciones.h"

namespace Vyr_Trilat::prueba {
namespace {

std::string Error_De(std::vector<std::string> args) {
  args.insert(args.begin(), {"run", "p.csv", "--out", "o"});
  try {
    anfitrion::Lee_Opciones(args);
  } catch (const anfitrion::Error_Uso& e) {
    return e.what();
  }
  return "accepted";
}

TEST(Opciones, ValoresQueNingunaEjecucionUsaria) {
  EXPECT_EQ(Error_De({"--crs", "EPSG:99999999"}), "--crs: unknown coordinate reference system 'EPSG:99999999'");
  EXPECT_EQ(Error_De({"--dxf-layers", "FINAS,A:B"}), "--dxf-layers: 'A:B' cannot name a DXF layer");
  EXPECT_EQ(Error_De({"--dxf-layers", "FINAS"}), "--dxf-layers expects MINOR,MAJOR layer names");
  EXPECT_EQ(Error_De({"--settings", ""}), "--settings needs a file name");
  EXPECT_EQ(Error_De({"--vector-format", "NoSuchDriver"}),
            "--vector-format: no GDAL/OGR driver named 'NoSuchDriver' that writes vector files to disk");
  EXPECT_EQ(Error_De({"--crs", "EPSG:25830", "--dxf-layers", "F,M", "--vector-format", "FlatGeobuf"}), "accepted");
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
