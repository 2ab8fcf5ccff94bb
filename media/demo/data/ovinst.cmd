// The command file of the demo medium: command sections, one command a line
// ("CT_TYPE = parameter1, parameter2, parameter3").

// Shows the medium's read-me file.
[CMD_SHOW_README]
CT_OPEN_FILE_NOWAIT = $SRC_DIR$\ReadMe.txt

// Run when the wizard takes its start section: the run is an installation.
[CMD_START]
CT_SET_SETUP_TYPE = INSTALL

// Run after the last page: the end of the run.
[CMD_END]
CT_APP_TERMINATE
