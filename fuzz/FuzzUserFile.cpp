// A users file, as any bytes, read as the main window and Brukarreg read it:
// every user's name and folder, the look-ups by name and the editor's check
// of each entry as it stands.
#include "FuzzSupport.h"
#include "project/recordfile.h"
#include "project/users.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  const auto users = UserFile(fuzz::WriteFile("Custom.roi", data, size)).ReadAll();
  for (std::size_t i = 0; i < users.size(); ++i) {
    const std::string name = users[i].UserNamn.Text();
    const std::string folder = users[i].SenastBibl.Text();
    const int found = FindUser(users, name);
    if (found < 0 || found > static_cast<int>(i)) fuzz::Broken("a user is not found by name");
    (void)FindUserIgnoringCase(users, name, static_cast<int>(i));
    (void)UserEntryProblem(users, static_cast<int>(i), name, folder);
    (void)FitsField(folder, kSenastBiblCapacity);
    (void)AnsiLower(users[i].UserNamn.Raw());
  }
  return 0;
}
