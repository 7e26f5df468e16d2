#pragma once
// Rules of the users file (Custom.roi) shared by the main window and the
// users file editor: finding a user, comparing names, and what may be stored.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/record.h"

namespace virano {

inline constexpr std::size_t kUserNamnCapacity = decltype(TUserRecord::UserNamn)::kCapacity;
inline constexpr std::size_t kSenastBiblCapacity = decltype(TUserRecord::SenastBibl)::kCapacity;

// Windows-1252 text in lower case, letters outside ASCII included.
std::string AnsiLower(std::string_view ansi);

// True when `utf8` is stored in a field of `capacity` characters exactly as
// it is: every character exists in the code page and none is cut off.
bool FitsField(std::string_view utf8, std::size_t capacity);

// Index of the first record whose name equals `name` exactly, or -1.
int FindUser(const std::vector<TUserRecord>& users, std::string_view name);

// Index of the first record other than `skip` whose name equals `name` when
// both are put in lower case, or -1.
int FindUserIgnoringCase(const std::vector<TUserRecord>& users, std::string_view name,
                         int skip = -1);

// Why `name` and `folder` cannot be stored as record `skip` (-1: a new
// record) of `users`, in the editor's words; nothing when they can.
std::optional<std::string> UserEntryProblem(const std::vector<TUserRecord>& users, int skip,
                                            std::string_view name, std::string_view folder);

// A record holding `name` and `folder`, with zeros after each text.
TUserRecord MakeUser(std::string_view name, std::string_view folder);

}  // namespace virano
