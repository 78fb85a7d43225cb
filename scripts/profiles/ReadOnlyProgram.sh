# C: only, and the program in a folder where nothing can be written: P:\
# (a network letter on $PROFILE_DIR/locked, locked after the copy), with an
# administrator's settings file that makes the window transparent.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set p network "$PROFILE_DIR/locked"
cp "$ROOT/build/win64/Orbelune.exe" "$PROFILE_DIR/locked/"
printf '[Orbelune]\r\nWnd_Transparency=1\r\n' >"$PROFILE_DIR/locked/Orbelune.ini"
profile_lock_folder
