[‚ ]
CT_OPEN_DLG = ‚,‚  - ƒ\
CT_COMMAND = ‚ 
