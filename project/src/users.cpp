#include "project/users.h"

namespace virano {
namespace {

// The editor's complaint about a text for a field of `capacity`, or nothing.
std::optional<std::string> FieldProblem(std::string_view utf8, std::size_t capacity,
                                        const std::string& what) {
  if (!InCodePage(utf8)) return what + " innehåller tecken som inte kan lagras";
  if (Utf8ToAnsi(utf8).size() > capacity)
    return what + " får vara högst " + std::to_string(capacity) + " tecken";
  return std::nullopt;
}

}  // namespace

std::string AnsiLower(std::string_view ansi) {
  std::string lower(ansi);
  for (char& c : lower) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
      c = static_cast<char>(u + 0x20);
    else if (u == 0x8A || u == 0x8C || u == 0x8E)  // Š Œ Ž
      c = static_cast<char>(u + 0x10);
    else if (u == 0x9F)  // Ÿ
      c = static_cast<char>(0xFF);
  }
  return lower;
}

bool FitsField(std::string_view utf8, std::size_t capacity) {
  return !FieldProblem(utf8, capacity, {});
}

int FindUser(const std::vector<TUserRecord>& users, std::string_view name) {
  for (std::size_t i = 0; i < users.size(); ++i)
    if (users[i].UserNamn.Text() == name) return static_cast<int>(i);
  return -1;
}

int FindUserIgnoringCase(const std::vector<TUserRecord>& users, std::string_view name, int skip) {
  const std::string wanted = AnsiLower(Utf8ToAnsi(name));
  for (std::size_t i = 0; i < users.size(); ++i)
    if (static_cast<int>(i) != skip && AnsiLower(users[i].UserNamn.Raw()) == wanted)
      return static_cast<int>(i);
  return -1;
}

std::optional<std::string> UserEntryProblem(const std::vector<TUserRecord>& users, int skip,
                                            std::string_view name, std::string_view folder) {
  if (name.empty()) return "Skriv in användarnamn först";
  if (auto problem = FieldProblem(name, kUserNamnCapacity, "Användarnamnet"))
    return problem;
  if (FindUserIgnoringCase(users, name, skip) >= 0) return "Användare med detta namn finns redan";
  return FieldProblem(folder, kSenastBiblCapacity, "Biblioteket");
}

TUserRecord MakeUser(std::string_view name, std::string_view folder) {
  TUserRecord user{};
  user.UserNamn.SetText(name);
  user.SenastBibl.SetText(folder);
  return user;
}

}  // namespace virano
