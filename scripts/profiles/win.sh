# The drives the Win32 tests expect: C: as usual, D: a CD drive without a disc,
# E: a second fixed drive, F: a network drive.
drive_set c hd "$WINEPREFIX/drive_c"
drive_set d cdrom missing
drive_set e hd "$PROFILE_DIR/drives/e" DATA 1a2b3c4d
drive_set f network "$PROFILE_DIR/drives/f"
