[REG]
ROOTKEY = my hkcu
KEYNAME = Software\Ink
VALUE = REG_SZ, DisplayName, My Printer, Model 2
VALUE = reg_dword, Flags, 0x1F
SUPPORTED_OS = W7, W10_64
[TARGETS]
CT_FIND_LOCAL_PRINTER = CT_COMMAND=REG, "NORMAL.PAGE" - arg
CT_FOO
= only parameters
CT_X = %s%n, 100%
