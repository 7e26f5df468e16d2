// A whole project file, as any bytes, through opening (the version check),
// the calculation of every room, and the check of all rooms, which writes
// the error file that the error list then reads.
#include "FuzzSupport.h"
#include "engine/calculation.h"
#include "engine/kernels.h"
#include "project/input_check.h"
#include "project/numbers.h"
#include "project/recordfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  const auto path = fuzz::WriteFile("projekt.rot", data, size);
  const auto errorPath = fuzz::Folder() / "projekt.rof";
  const ProjectFile file(path);
  const long long count = file.Count();
  if (count < 1) return 0;  // no general record: not opened
  try {
    if (StoredFileVersion(file.Read(0)) != DerivedVersion(false)) return 0;
  } catch (const ConversionError&) {
    return 0;  // a version that is no number is another version
  }
  for (long long k = 1; k < count; ++k) {
    for (const bool detailed : {false, true}) {
      ResultTable table;
      table.SetUp(detailed);
      try {
        Kalkyl(path, static_cast<int>(k), detailed, false, table);
      } catch (const ConversionError&) {
      } catch (const CalculationError&) {
      }
    }
    const auto errors = CheckRoomFile(path, errorPath, static_cast<int>(k), false);
    if (ErrorFile(errorPath).Count() != static_cast<long long>(errors.size())) virano::fuzz::Broken("error file and count differ");
  }
  return 0;
}
