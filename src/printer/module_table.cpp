#include "printer/module_table.h"

namespace printer {

const ModuleFileInfo kModuleFiles[kModuleFileCount] = {
    {"INSTALLER_DLL", ".\\data\\Ovrun.dll", true, "Load installer DLL fail (%s)", "Load installer DLL fail (%s)"},
    {"UTILITY_DLL", ".\\data\\Ovutil.dll", true, "Load Utility DLL fail (%s)", "Load Utility DLL fail (%s)"},
    {"REMOTE_INSTALL_DLL", ".\\data\\Ovrmtint.dll", true, "Load Remote DLL fail (%s)", "Load Remote DLL fail (%s)"},
    {"DIAGNOSIS_DLL", ".\\data\\Ovdiag.dll", true, "Load Diagnosis DLL fail (%s)", "Load Diagnosis DLL fail (%s)"},
    {"TESTPAGE_DLL", ".\\data\\Ovdiag.dll", true, "Load TestPage DLL fail (%s)", "Load TestPage DLL fail (%s)"},
    {"NETWORKMAN_DLL", ".\\data\\OvNetMan.dll", true, "Get network Netmanager DLL fail",
     "Load Netmanager DLL fail (%s)"},
    {"RESOURCE_DLL", ".\\OVres.dll", true, "Load Resource DLL fail (%s)", "Load Resource DLL fail (%s)"},
    {"UNINSTALLER_EXE", ".\\data\\OVDelAll.exe", false, "", ""},
    {"OVOPEN_EXE", ".\\data\\Ovopen.exe", false, "", ""},
    {"PREINSTALLER_DLL", ".\\data\\OVpre.dll", true, "%s", "%s"},
    {"SETIP_DLL", ".\\data\\Setip.dll", true, "Load SetIP DLL fail (%s)", "Load SetIP DLL fail (%s)"},
};

}  // namespace printer
