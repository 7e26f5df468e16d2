#include "project/users.h"

#include <gtest/gtest.h>

namespace virano {
namespace {

TEST(UsersTest, WhatAUserEntryMayHold) {
  const std::vector<TUserRecord> users = {MakeUser("Anna", ""), MakeUser("åsa", "")};
  const std::string longFolder(256, 'k');
  const struct {
    const char* name;
    std::string folder;
    int skip;
    const char* problem;  // nullptr: accepted
  } cases[] = {
      {"", "", -1, "Skriv in användarnamn först"},
      {"anna", "", -1, "Användare med detta namn finns redan"},
      {"ÅSA", "", -1, "Användare med detta namn finns redan"},
      {"ANNA", "", 0, nullptr},
      {"Åsa Öberg-Ärlebäck12", "", -1, nullptr},  // 20 characters, stored one byte each
      {"Åsa Öberg-Ärlebäck123", "", -1, "Användarnamnet får vara högst 20 tecken"},
      {"Łukasz", "", -1, "Användarnamnet innehåller tecken som inte kan lagras"},
      {"Bo", longFolder.substr(1), -1, nullptr},
      {"Bo", longFolder, -1, "Biblioteket får vara högst 255 tecken"},
      {"Bo", "/hem/\xE2\x82\xAC/\xE6\x97\xA5", -1, "Biblioteket innehåller tecken som inte kan lagras"},
  };
  for (const auto& c : cases) {
    const auto problem = UserEntryProblem(users, c.skip, c.name, c.folder);
    EXPECT_EQ(problem.value_or("(ingen)"), c.problem ? c.problem : "(ingen)") << c.name;
  }
}

}  // namespace
}  // namespace virano
