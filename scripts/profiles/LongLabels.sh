# Volume labels of the longest length a volume takes (32 characters): C: with
# 8-bit characters (written here in UTF-8; the program reads them in its 8-bit
# code page), E: in plain ASCII.
drive_set c hd "$WINEPREFIX/drive_c" 'Größe_Données_Été_Ñandú_Øre_ÆÅ!!' 5eed0c01
drive_set e hd "$PROFILE_DIR/drives/e" ABCDEFGHIJKLMNOPQRSTUVWXYZ012345 1a2b3c4d
