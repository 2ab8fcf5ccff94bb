// The install history: the registry record of what an installation
// created, so that an uninstallation can remove exactly that. A history key
// (below HKEY_LOCAL_MACHINE) holds six counted lists; each is a number value
// counting its entries and string values "File0", "File1"... holding them.
#pragma once

#include <string>
#include <string_view>

namespace install {

// The lists of a history key, numbered as profiles and modules know them.
enum HistoryKind : int {
  kHistoryFile = 0,
  kHistoryDirectory = 1,
  kHistoryKey = 2,
  kHistoryValue = 3,
  kHistoryShortcut = 4,
  kHistoryDestinationDirectory = 5,
};

// Appends `text` to the list `kind` of `history_key`, creating the key
// when missing: the entry takes the number the counter held, and the
// counter grows by one. A file recorded by a 32-bit process on a 64-bit
// system is stored upper-cased with "\SYSTEM32\" turned into "\SYSWOW64\",
// where Windows redirected it. False for a kind outside the six, an empty
// key, or when the key or a value cannot be written.
bool AddHistory(std::string_view text, int kind, const std::string& history_key);

}  // namespace install
