# The party list, specific bequest and global defaults dialogs, and the
# dispatch of the screens' dialog buttons.
set(SCRIVIX_PARTY_DIALOG_SOURCES
    src/dialogs/TfrmPartyID.h src/dialogs/TfrmPartyID.cpp
    src/dialogs/TfrmSpecBeqDlg.h src/dialogs/TfrmSpecBeqDlg.cpp
    src/dialogs/TfrmGlobalsDlg.h src/dialogs/TfrmGlobalsDlg.cpp
    src/screens/DialogDispatch.h src/screens/DialogDispatch.cpp
)
