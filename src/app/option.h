// The installer's options: switches a product's data file sets in its
// OPTION section (or the most specific variant of it for the system,
// language and connection), and the remote-install flag that a command
// sets.
#pragma once

#include <cstdint>

class CMyProfile;

class COption {
 public:
  // Reads every option from the variant section of OPTION, a key missing
  // there from OPTION itself, logging each option read. A key found in
  // neither section turns USB_ONLY, NETWORK, WIRELESS and RIGHT_ALIGN off
  // and MAINTENANCE_ON on, and leaves the others as they were. RIGHT_ALIGN
  // stays off on Windows 95 and NT 3 and 4 (`os_code`). Always true.
  bool Read(const CMyProfile& data, int os_code);

  bool UsbOnly() const { return usb_only_; }
  bool Network() const { return network_; }
  bool Wireless() const { return wireless_; }
  bool RemoteInstall() const { return remote_install_; }
  bool DeviceInstall() const { return device_install_; }
  bool ShowInstallError() const { return show_install_error_; }
  bool RightAlign() const { return right_align_; }
  bool PrecreateDialogs() const { return precreate_dialogs_; }
  bool MainOnly() const { return main_only_; }
  bool SetSourcePath() const { return set_source_path_; }
  bool UsePublicOid() const { return use_public_oid_; }
  bool UseIpx() const { return use_ipx_; }
  bool StopFirewall() const { return stop_firewall_; }
  bool Agfa() const { return agfa_; }
  bool AgfaGiven() const { return agfa_given_; }
  bool MaintenanceOn() const { return maintenance_on_; }
  std::uint32_t CommunitySize() const { return community_size_; }

  void SetRemoteInstall(bool on) { remote_install_ = on; }

 private:
  bool usb_only_ = false;
  bool network_ = false;
  bool wireless_ = false;
  bool remote_install_ = false;
  bool device_install_ = true;
  bool show_install_error_ = false;
  bool right_align_ = false;
  bool precreate_dialogs_ = true;
  bool main_only_ = false;
  bool set_source_path_ = false;
  bool use_public_oid_ = false;
  bool use_ipx_ = false;
  bool stop_firewall_ = false;
  bool agfa_ = false;
  bool agfa_given_ = false;
  bool maintenance_on_ = true;
  std::uint32_t community_size_ = 14;
};
