// Notifications of devices that arrive on the machine: the stand-in for
// RegisterDeviceNotificationA and UnregisterDeviceNotification. A
// recipient registers for a device interface class and hears of every
// device of that class announced afterwards, on the announcing thread.
// Announcements are made by whatever plays the device: a test, or the
// program that stands for the connected printer.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/guid.h"

namespace platform {

// The device type of a device interface filter.
inline constexpr std::uint32_t kDeviceTypeInterface = 5;
// The device interface class of all USB devices.
inline constexpr Guid kUsbDeviceInterfaceClass = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

// What a recipient registers for: devices of one interface class.
struct DeviceInterfaceFilter {
  std::uint32_t device_type = kDeviceTypeInterface;
  Guid class_guid;
};

class DeviceEventRecipient {
 public:
  virtual ~DeviceEventRecipient() = default;
  // A device of `class_guid` named `device_name` arrived. Must not register
  // or unregister notifications.
  virtual void OnDeviceArrival(const Guid& class_guid, std::string_view device_name) = 0;
};

// A registration; 0 is none.
using DeviceNotification = std::uintptr_t;

// Registers `recipient` for the devices `filter` names; `flags` (the
// system's recipient kind) are accepted as given. 0 with last error 87 for
// a missing recipient or filter or a filter of another device type.
DeviceNotification RegisterDeviceNotification(DeviceEventRecipient* recipient, const DeviceInterfaceFilter* filter,
                                              std::uint32_t flags);
// Ends a registration. False with last error 6 when `handle` is not one.
bool UnregisterDeviceNotification(DeviceNotification handle);

// Tells every recipient registered for `class_guid` that `device_name`
// arrived; returns how many were told.
int AnnounceDeviceArrival(const Guid& class_guid, std::string_view device_name);

}  // namespace platform
