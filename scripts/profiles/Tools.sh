# Drives for the drive tools: C: and E: with labels, F: a fixed drive without one.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set e hd "$PROFILE_DIR/drives/e" DATA 1a2b3c4d
drive_set f hd "$PROFILE_DIR/drives/f"
