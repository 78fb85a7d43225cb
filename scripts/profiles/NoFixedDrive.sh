# No fixed drive at all: even C: is a network drive (Wine still starts from it).
drive_set c network "$WINEPREFIX/drive_c"
