/*
** The plug-in module interface: the entry points the installer looks up by
** name in the modules of an installation medium, with their argument lists,
** and the records and callback that cross the boundary.
**
** A module is a shared object that exports some of the functions declared
** below with C linkage, under exactly these names. The installer finds each
** one by name when it loads the module; an entry point a module does not
** export is simply absent, and the installer answers for it with a fixed
** value. Every function type is declared once as a function type
** (InkMyInstallFn) so that a module's definition of MyInstall is checked
** against the very type the installer calls it through.
**
** Texts are NUL-terminated 8-bit strings in the installer's code page.
** Inputs are never written by the module. Every text buffer a module fills
** is INK_MODULE_TEXT_SIZE bytes long, whatever the entry point; a module
** must not write past that size, and the installer never reads past it
** (an unterminated buffer is cut at its end).
**
** This header is plain C and compiles as C and as C++.
*/
#ifndef INKSTALL_MODULE_H
#define INKSTALL_MODULE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define INK_STATIC_ASSERT(condition, message) static_assert(condition, message)
extern "C" {
#else
#define INK_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

/* Exported with default visibility, whatever the module's build says. */
#define INK_MODULE_EXPORT __attribute__((visibility("default")))

/* The size of every text buffer the installer hands a module to fill. */
#define INK_MODULE_TEXT_SIZE 16384
/* The size of one text of the monitor block. */
#define INK_MODULE_PATH_SIZE 260
/* The size of one text of the remote-install record. */
#define INK_REMOTE_FIELD_SIZE 256

/* A boolean answer: non-zero is true. */
typedef int32_t InkBool;
/* An owner window for a module's own dialogs; 0 when there is none. */
typedef uintptr_t InkWindow;

/*
** The three texts that describe a network port's monitor, one after the
** other: the port monitor's file name, the device's IPX address, and the
** file name of the SNMP module.
*/
typedef struct InkMonitorBlock {
  char monitor_file[INK_MODULE_PATH_SIZE];
  char ipx_address[INK_MODULE_PATH_SIZE];
  char snmp_module[INK_MODULE_PATH_SIZE];
} InkMonitorBlock;
INK_STATIC_ASSERT(sizeof(InkMonitorBlock) == 780, "three texts of 260 bytes");

/*
** One printer found by the Set-IP module, 65 bytes without padding.
** Addresses hold one byte per part, most significant first. The name need
** not be terminated within its 40 bytes.
*/
typedef struct InkNetPrinterRecord {
  unsigned char reserved[7];
  char name[40];
  unsigned char mac_address[6];
  unsigned char ip_address[4];
  unsigned char subnet_mask[4];
  unsigned char gateway[4];
} InkNetPrinterRecord;
INK_STATIC_ASSERT(offsetof(InkNetPrinterRecord, name) == 7 && offsetof(InkNetPrinterRecord, mac_address) == 47 &&
                      offsetof(InkNetPrinterRecord, ip_address) == 53 &&
                      offsetof(InkNetPrinterRecord, subnet_mask) == 57 &&
                      offsetof(InkNetPrinterRecord, gateway) == 61,
                  "the fields of the Set-IP record lie where modules put them");
INK_STATIC_ASSERT(sizeof(InkNetPrinterRecord) == 65, "the Set-IP record is 65 bytes");

/*
** What the remote-install module needs for one target PC: eight texts of
** 256 bytes, 2048 bytes in all. A text that fills its 256 bytes is not
** terminated.
*/
typedef struct InkRemoteInstallRecord {
  char remote_ip[INK_REMOTE_FIELD_SIZE];
  char local_ip[INK_REMOTE_FIELD_SIZE];
  char user_name[INK_REMOTE_FIELD_SIZE];
  char password[INK_REMOTE_FIELD_SIZE];
  char domain[INK_REMOTE_FIELD_SIZE];
  char source_directory[INK_REMOTE_FIELD_SIZE];
  char registry_file[INK_REMOTE_FIELD_SIZE];
  char command_line[INK_REMOTE_FIELD_SIZE];
} InkRemoteInstallRecord;
INK_STATIC_ASSERT(offsetof(InkRemoteInstallRecord, command_line) == 1792, "the fields follow each other");
INK_STATIC_ASSERT(sizeof(InkRemoteInstallRecord) == 2048, "the remote-install record is 2048 bytes");

/*
** Called by the network module once for each device its discovery finds,
** before the discovery function returns: printer name, device ID, MAC
** address, IPv4 address, IPv6 address (either address may be empty).
** Returns 1.
*/
typedef int32_t (*InkDiscoveryCallback)(const char* printer_name, const char* device_id, const char* mac_address,
                                        const char* ipv4_address, const char* ipv6_address);

/* ---- Utility module ------------------------------------------------------ */

/*
** Finds the connected device. `ports` receives the port names, each ended
** by a NUL, one after the other; `port_count` receives -1 when USB is not
** available on the PC, 0 when no device is connected, else the number of
** names. The boolean result is not used.
*/
typedef InkBool InkGetDevicePortFn(const char* manufacturer, const char* model, const char* vid_pid, char* ports,
                                   int32_t* port_count);
/* Keeps the system's new-hardware dialogs away while the device (the
** manufacturer followed by the model) is installed, and lets them back. */
typedef InkBool InkStartPreventPnPFn(const char* device_name);
typedef InkBool InkEndPreventPnPFn(const char* device_name);
/* Closes, respectively brings to the front, the new-hardware dialog. */
typedef InkBool InkRemoveHardwareWizardDialogFn(void);
typedef InkBool InkMySetForegroundNHWdDialogFn(void);
/* Makes the system look for new hardware again. */
typedef InkBool InkSystemRefreshFn(const char* device_name, const char* vid_pid);
/* Removes the unknown devices left by an earlier connection. */
typedef InkBool InkRemoveUnknownDevFn(const char* device_name, const char* vid_pid);
/* Saves a key under HKEY_LOCAL_MACHINE to a file; `reserved` is 0.
** Non-zero when saved. */
typedef int32_t InkSaveFileFn(const char* file_path, const char* key_path, int32_t reserved);
/* The free megabytes of the drive of `path`; 0 when unknown. */
typedef uint32_t InkGetDiskFreeSpaceOVFn(const char* path);
/* The device ID the device reports through `port`, into `device_id`.
** Non-zero when the buffer holds it. */
typedef int32_t InkMyGetDeviceIDFromPortFn(const char* port, char* device_id);

/* ---- Installer module ---------------------------------------------------- */

/*
** Installs, reinstalls or (with `installed` 1) uninstalls the item whose
** install record is the registry key `item_key` under HKEY_LOCAL_MACHINE.
** Non-zero on success.
*/
typedef int32_t InkMyInstallFn(InkWindow owner, const char* installing_key, const char* item_key,
                               int32_t installed);
/* Creates the shortcut described by the key `shortcut_key`; non-zero when
** created, after writing its Delete and Shortcut_Path values there. */
typedef int32_t InkMyCreateShortCutFn(InkWindow owner, const char* installing_key, const char* shortcut_key);

/* ---- Diagnosis and test-page modules ------------------------------------- */

typedef int32_t InkDiagnosisFn(const char* manufacturer, const char* printer_name, const char* model,
                               const char* vid_pid);
/* 1 when not handled: the installer then calls Diagnosis. */
typedef int32_t InkDiagnosisExFn(const char* manufacturer, const char* printer_name, const char* model,
                                 const char* vid_pid, int32_t reserved);
/* -1 when nothing was printed. */
typedef int32_t InkPrintTestPageFn(const char* printer_name, const char* text, const char* url,
                                   const char* resource_file, const char* bitmap);
typedef int32_t InkMetaTestPageFn(const char* printer_name, const char* metafile);
typedef int32_t InkPrintPrnFileFn(const char* printer_name, const char* print_file);

/* ---- Pre-installer module ------------------------------------------------ */

/* `command_line` has the form "/P data /S source /D destination
** /R history-key /L language-directory /A language-abbreviation". */
typedef int32_t InkPreinstallFn(const char* command_line, InkWindow owner);

/* ---- Network module ------------------------------------------------------ */

/* Both return a number the installer only logs. */
typedef int32_t InkSnmpDiscoveryFn(InkDiscoveryCallback callback);
typedef int32_t InkSnmpDiscoveryAdvFn(InkDiscoveryCallback callback, const char* community);
/* 0 when `description` holds the device ID the device reports over the
** network; 1, 2 or 4096 on failure. */
typedef int32_t InkMyGetPrinterDescFn(const char* address, char* description, int32_t public_oid);
typedef int32_t InkMyGetPrinterDescAdvFn(const char* address, char* description, int32_t public_oid,
                                         const char* community);
/* Non-zero when `ipx_address` holds the device's IPX address. */
typedef int32_t InkMyGetIPXFn(const char* ip_address, char* ipx_address);
typedef int32_t InkMyGetIPXAdvFn(const char* ip_address, char* ipx_address, const char* community);
/* Creates the network port; non-zero when the port exists. */
typedef int32_t InkMySetNetworkPortExFn(const char* port_name, const char* ip_address, const char* third,
                                        const char* ipx_address, const char* monitor_name,
                                        const InkMonitorBlock* monitor, const char* mutex_name, int32_t no_monitor);
typedef int32_t InkMySetNetworkPortAdvFn(const char* port_name, const char* ip_address, const char* third,
                                         const char* ipx_address, const char* monitor_name,
                                         const InkMonitorBlock* monitor, const char* mutex_name, int32_t no_monitor,
                                         const char* community);
/* Non-zero when the port was deleted. */
typedef int32_t InkMyDelNetworkPortFn(const char* port_name, const char* mutex_name, int32_t no_monitor);

/* ---- Set-IP module ------------------------------------------------------- */

/* Addresses as dotted texts, the MAC address as twelve hexadecimal digits.
** 0 when the device took them, else a system error number. */
typedef int32_t InkSetIPFn(const char* ip_address, const char* gateway, const char* subnet_mask,
                           const char* mac_address);
/* Fills `records` (`size` bytes; none to learn the count) and sets `count`.
** 0 on success. */
typedef int32_t InkGetNetPrinterFn(InkNetPrinterRecord* records, uint32_t size, uint32_t* count);

/* ---- Remote-install module ----------------------------------------------- */

/* Installs on the PC the record names; non-zero on success. */
typedef int32_t InkDoRemoteInstallFn(InkRemoteInstallRecord* record);

/* The entry points, as modules define them. */
INK_MODULE_EXPORT InkGetDevicePortFn GetDevicePort;
INK_MODULE_EXPORT InkStartPreventPnPFn StartPreventPnP;
INK_MODULE_EXPORT InkEndPreventPnPFn EndPreventPnP;
INK_MODULE_EXPORT InkRemoveHardwareWizardDialogFn RemoveHardwareWizardDialog;
INK_MODULE_EXPORT InkMySetForegroundNHWdDialogFn MySetForegroundNHWdDialog;
INK_MODULE_EXPORT InkSystemRefreshFn SystemRefresh;
INK_MODULE_EXPORT InkRemoveUnknownDevFn RemoveUnknownDev;
INK_MODULE_EXPORT InkSaveFileFn SaveFile;
INK_MODULE_EXPORT InkGetDiskFreeSpaceOVFn GetDiskFreeSpaceOV;
INK_MODULE_EXPORT InkMyGetDeviceIDFromPortFn MyGetDeviceIDFromPort;
INK_MODULE_EXPORT InkMyInstallFn MyInstall;
INK_MODULE_EXPORT InkMyCreateShortCutFn MyCreateShortCut;
INK_MODULE_EXPORT InkDiagnosisFn Diagnosis;
INK_MODULE_EXPORT InkDiagnosisExFn DiagnosisEx;
INK_MODULE_EXPORT InkPrintTestPageFn PrintTestPage;
INK_MODULE_EXPORT InkMetaTestPageFn MetaTestPage;
INK_MODULE_EXPORT InkPrintPrnFileFn PrintPrnFile;
INK_MODULE_EXPORT InkPreinstallFn Preinstall;
INK_MODULE_EXPORT InkSnmpDiscoveryFn SnmpDiscovery;
INK_MODULE_EXPORT InkSnmpDiscoveryAdvFn SnmpDiscoveryAdv;
INK_MODULE_EXPORT InkMyGetPrinterDescFn MyGetPrinterDesc;
INK_MODULE_EXPORT InkMyGetPrinterDescAdvFn MyGetPrinterDescAdv;
INK_MODULE_EXPORT InkMyGetIPXFn MyGetIPX;
INK_MODULE_EXPORT InkMyGetIPXAdvFn MyGetIPXAdv;
INK_MODULE_EXPORT InkMySetNetworkPortExFn MySetNetworkPortEx;
INK_MODULE_EXPORT InkMySetNetworkPortAdvFn MySetNetworkPortAdv;
INK_MODULE_EXPORT InkMyDelNetworkPortFn MyDelNetworkPort;
INK_MODULE_EXPORT InkSetIPFn SetIP;
INK_MODULE_EXPORT InkGetNetPrinterFn GetNetPrinter;
INK_MODULE_EXPORT InkDoRemoteInstallFn DoRemoteInstall;

#ifdef __cplusplus
}
#endif

#endif /* INKSTALL_MODULE_H */
