# Two fixed drives on a screen of 144 DPI (150 %): every program reads LogPixels at its start.
# The drives' section is opened again after it for the letters every profile adds.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set e hd "$PROFILE_DIR/drives/e" DATA 1a2b3c4d
printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:00000090\n' >>"$_PENDING_REG"
printf '\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n' >>"$_PENDING_REG"
