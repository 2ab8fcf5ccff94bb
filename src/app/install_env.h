// What an installation works with: the destination directory and its
// Install subdirectory, the OS define string and OS directory, the printer
// port and IP address, and the flags of the run.
#pragma once

#include <string>
#include <string_view>

class CGlobalVariable;

class CInstallEnv {
 public:
  // Finds the destination (Dest_Dir of the Installed key, else
  // PROGRAM_INFO's DESTINATION_DIR, else "<program files>\<MFG>\<program
  // name>"), creates it, recording the directories created in the
  // Installing history, and picks the default port. `environment` has its
  // profiles, options, program information and registry keys, and must
  // outlive this object.
  void Init(CGlobalVariable& environment);
  // Records the OS define string found for the system and its OS
  // directory.
  void SetOsDefine(std::string define, std::string directory);

  // Moves the destination to `directory` (empty: back to the first
  // destination). Unless it is the current one, the current destination and
  // the parents it leaves empty are removed, the new one is written as
  // Dest_Dir under the Installing key and created with its parents.
  void SetDestination(std::string_view directory);
  // `port`, or the default port when empty.
  void SetPort(std::string_view port);
  void SetIP(std::string_view ip);
  void SetPrinterInstalled(bool installed);
  void SetPortFound(bool found) { port_found_ = found; }
  void SetInstalledBefore(bool installed) { installed_before_ = installed; }
  // Asks the utility module for the port of a connected device. When it
  // reports one, that becomes the port and counts as found; the result is
  // then true (with `check`, only for a parallel "LPT" port).
  bool FindDevicePort(bool check);

  const std::string& InstallerDirectory() const { return installer_directory_; }
  const std::string& Destination() const { return destination_; }
  const std::string& InitialDestination() const { return initial_destination_; }
  const std::string& InstallDirectory() const { return install_directory_; }
  const std::string& OsDirectory() const { return os_directory_; }
  const std::string& OsDefine() const { return os_define_; }
  const std::string& Port() const { return port_; }
  const std::string& Ip() const { return ip_; }
  bool PortFound() const { return port_found_; }
  bool PrinterInstalled() const { return printer_installed_; }
  bool InstalledBefore() const { return installed_before_; }
  const std::string& Manufacturer() const { return manufacturer_; }
  const std::string& Model() const { return model_; }
  const std::string& VidPid() const { return vid_pid_; }

 private:
  // DEFAULT_PORT when the spooler has it; else "FILE:" for a USB-only
  // product; else "LPT1:" when it exists; else "FILE:".
  std::string DefaultPort() const;
  // Stores `directory` without a trailing "\" with its Install directory.
  void StoreDestination(std::string_view directory);

  CGlobalVariable* environment_ = nullptr;
  std::string installer_directory_;
  std::string destination_;
  std::string initial_destination_;
  std::string install_directory_;
  std::string os_directory_;
  std::string os_define_;
  std::string port_;
  std::string ip_;
  bool port_found_ = false;
  bool printer_installed_ = false;
  bool installed_before_ = false;
  std::string manufacturer_;
  std::string model_;
  std::string vid_pid_;
};
