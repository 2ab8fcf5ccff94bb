[INST_END_CMD]
CT_SET_INST_TYPE = SILENT_INST
CT_COMMAND = FINISH
CT_EXE_FILE_WAIT = .\Setup\x.exe, /s, , third, fourth
CT_OPEN_DLG = NORMAL.WELCOME - 2
[FINISH]
CT_APP_TERMINATE
ct_open_url = http://example.invalid/a?b=c
