# One fixed drive, and R: a network letter on a folder where no file can be
# created, even by root (sysfs).
drive_set c hd "$WINEPREFIX/drive_c" SYSTEM 5eed0c01
drive_set r network /sys/kernel
