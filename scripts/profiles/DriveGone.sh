# C: and E:, where E:'s folder lies in the scratch folder (S:\edrive), so that
# a test can take the drive away while the program runs and give it back.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set e hd "$PROFILE_DIR/scratch/edrive" GONE 0e0e0e0e
