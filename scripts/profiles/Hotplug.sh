# C: and E:, and G: a fixed drive whose folder does not exist yet: its letter
# is linked before the server starts (which lists it from then on), and a test
# attaches the drive by making the folder S:\gdrive, and takes it away again.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set e hd "$PROFILE_DIR/drives/e" DATA 1a2b3c4d
drive_set g hd "$PROFILE_DIR/scratch/gdrive"
rmdir "$PROFILE_DIR/scratch/gdrive"
