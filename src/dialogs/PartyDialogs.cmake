# The party list, specific bequest and global defaults dialogs, and the
# dispatch of the screens' dialog buttons.
set(SCRIVIX_PARTY_DIALOG_SOURCES
)
