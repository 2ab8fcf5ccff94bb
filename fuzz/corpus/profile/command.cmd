[CMD]
COPY = $SRC_DIR$\files\*.*, $DEST_DIR$
[CMD]
COPY = second occurrence
TEXT = "unbalanced quote // still text
NEXT = still quoted /* too
"
[STRINGS]
%A% = %B%
%B% = %A%
%SELF% = x%SELF%
