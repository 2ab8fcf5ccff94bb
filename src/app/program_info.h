// The product the medium installs, from section PROGRAM_INFO of the data
// profile: manufacturer, model, USB vendor and product id, and the program
// name that captions the installer's windows and names its registry keys.
#pragma once

#include <string>

class CMyProfile;

class CProgramInfo {
 public:
  // Reads the four keys with defined-string expansion. False when MFG, MDL
  // or VIDPID is missing (those found are kept); PROGRAM_NAME keeps its
  // default when missing.
  bool Read(const CMyProfile& data);

  const std::string& Manufacturer() const { return manufacturer_; }
  const std::string& Model() const { return model_; }
  const std::string& VidPid() const { return vid_pid_; }
  const std::string& ProgramName() const { return program_name_; }

 private:
  std::string manufacturer_;
  std::string model_;
  std::string vid_pid_;
  std::string program_name_ = "Orvane Printer Installer Program";
};
