# C: only, in a prefix where nothing was installed: the installer package goes
# into C:\Program Files and is taken away again.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
