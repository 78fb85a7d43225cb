# Twenty fixed drives: C: and the letters D: to R:, U:, V:, X:, Y: (S:, T:
# and W: are the common network letters).
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
serial=$((0x20260000))
for letter in d e f g h i j k l m n o p q r u v x y; do
    serial=$((serial + 1))
    drive_set "$letter" hd "$PROFILE_DIR/drives/$letter" "DISK_${letter^^}" "$(printf '%08x' "$serial")"
done
