# C:, and G: a fixed drive labelled in three scripts, with a serial whose first
# hexadecimal digit is 0. The test puts a copy of the program into a folder
# whose name lies outside the legacy code pages.
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set g hd "$PROFILE_DIR/drives/g" "Диск Ω 数据" 0a1b2c3d
