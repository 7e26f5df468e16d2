// virano-kalkyl --karta --png run as a program; the PNG file's header read
// back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using testing::RoomBuilder;

// A front wall with a cold window above a warm radiator.
RoomBuilder WindowAndRadiator() {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1.1, 2.1, 12)
      .SubSurface(FrontWall, 2, "Radiator", 1, 3, 0.1, 0.7, 45);
  return room;
}

class KalkylPng : public ::testing::Test {
 protected:
  int Kalkyl(const std::string& args) {
    return testing::RunShell(dir_.path(), "LC_ALL=C " + testing::ShellQuote(VIRANO_KALKYL) + " " + args)
        .status;
  }
  // The PNG's signature and its width and height from the IHDR chunk.
  std::string Header(const std::string& name) {
    std::ifstream in(dir_.path() / name, std::ios::binary);
    char bytes[24] = {};
    in.read(bytes, sizeof bytes);
    const auto be32 = [&](int at) {
      unsigned v = 0;
      for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
      return std::to_string(v);
    };
    return std::string(bytes + 1, 3) + " " + be32(16) + "×" + be32(20);
  }

  testing::TempDir dir_{"kalkyl-png"};
};

TEST_F(KalkylPng, WritesTheMapsPictureAndTellsFailuresByStatus) {
  RoomBuilder good = WindowAndRadiator(), bad = WindowAndRadiator();
  bad.record().Ytor[FrontWall][2].YtTemp.SetText("4,5,0");
  testing::WriteProject(dir_.path() / "projekt.rot", {&good.record(), &bad.record()});
  ASSERT_EQ(Kalkyl("--karta 'Vägg fram' --steg 0,05 --png karta.png projekt.rot 1"), 0);
  ASSERT_EQ(Kalkyl("--karta 'Vägg fram' --asymmetri --steg 0,05 --png asymmetri.png projekt.rot 1"),
            0);
  for (const auto& [written, kept] : {std::pair{"karta.png", "virano-kalkyl-png.png"},
                                      std::pair{"asymmetri.png", "virano-kalkyl-asymmetri.png"}}) {
    EXPECT_EQ(Header(written), "PNG 960×640") << written;
    if (const char* keep = std::getenv("VIRANO_SCREENS"))
      std::filesystem::copy_file(dir_.path() / written, std::filesystem::path(keep) / kept,
                                 std::filesystem::copy_options::overwrite_existing);
  }

  const struct {
    const char* args;
    int status;
  } failures[] = {
      {"--png x.png projekt.rot 1", 2},                // no --karta
      {"--karta 0 --csv --png x.png projekt.rot 1", 2},
      {"--karta 0 projekt.rot 1 --png", 2},            // no file name
      {"--karta 0 --png saknas/x.png projekt.rot 1", 3},
      {"--karta 0 --png x.png projekt.rot 2", 3},      // the radiator's text is no number
  };
  for (const auto& f : failures) EXPECT_EQ(Kalkyl(f.args), f.status) << f.args;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "x.png"));
}

}  // namespace
}  // namespace virano
