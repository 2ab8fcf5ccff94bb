// Reading and writing machine.ini, and the defaults of a new machine.
#pragma once

#include <filesystem>
#include <string>

#include "platform/machine.h"

namespace platform {

// The configuration of a new machine in `dir`: Windows 10 64-bit, language
// and code page from the host locale (LANG), C: fixed on drive_c/.
MachineConfig DefaultMachineConfig(const std::filesystem::path& dir);

// The language id for a host locale name such as "ja_JP.UTF-8" (0x0409 for
// anything unknown), and the ANSI code page of a language id.
std::uint16_t LanguageFromLocale(const std::string& locale);
std::uint32_t CodePageOfLanguage(std::uint16_t language);

// False with a reason when the file is missing or malformed.
bool LoadMachineConfig(const std::filesystem::path& file, const std::filesystem::path& dir,
                       MachineConfig& config, std::string* error);
bool SaveMachineConfig(const std::filesystem::path& file, const std::filesystem::path& dir,
                       const MachineConfig& config);

}  // namespace platform
