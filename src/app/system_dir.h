// Where Windows keeps its own files on the machine, and whether the
// installer runs as a 32-bit process on a 64-bit system. Directories have no
// trailing "\"; one that cannot be found stays empty.
#pragma once

#include <string>

class CSystemDir {
 public:
  // Finds the directories of the current machine. The Windows directory of
  // a terminal server is its SystemRoot registry value (else the system
  // directory's parent); the program files directory is the registry value
  // ProgramFilesDir of the installer's view.
  void Init();

  const std::string& WindowsDirectory() const { return windows_; }
  const std::string& SystemDirectory() const { return system_; }
  const std::string& InfDirectory() const { return inf_; }
  const std::string& ProgramFilesDirectory() const { return program_files_; }
  const std::string& TempDirectory() const { return temp_; }
  bool Is64Bit() const { return is_64bit_; }

 private:
  std::string windows_;
  std::string system_;
  std::string inf_;
  std::string program_files_;
  std::string temp_;
  bool is_64bit_ = false;
};
