// An error file, as any bytes, read as the error list reads it: each line's
// number, room, surface, sub-surface and message, and the main surface its
// surface text names.
#include <algorithm>

#include "FuzzSupport.h"
#include "project/recordfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  const auto path = fuzz::WriteFile("projekt.rof", data, size);
  const auto lines = ErrorFile(path).ReadAll();
  if (static_cast<long long>(lines.size()) != ErrorFile(path).Count())
    fuzz::Broken("the error list and the count differ");
  for (const TErrorRecord& line : lines) {
    (void)line.Nr.Get();
    (void)line.RumsNamn.Text();
    (void)line.Delyta.Text();
    (void)line.Felmeddelande.Text();
    const std::string surface = line.Yta.Text();
    (void)std::find(kMainSurfaceCaptions.begin(), kMainSurfaceCaptions.end(), surface);
  }
  return 0;
}
