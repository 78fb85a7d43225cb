# Two fixed drives, with the visual styles switched off: every button in the classic look.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
printf '\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]\n"ThemeActive"="0"\n' >>"$_PENDING_REG"
