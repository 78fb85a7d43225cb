# Two fixed drives with known labels and serials.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set e hd "$PROFILE_DIR/drives/e" DATA 1a2b3c4d
