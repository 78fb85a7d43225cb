# Helpers for running Windows programs under Wine in private prefixes.
# Source this file; it expects ROOT (the source tree) to be set or derives it.
#
#   wine_template               prepare build/wine/template once
#   prefix_new NAME [keep]      fresh copy of the template (or the kept one);
#                               exports WINEPREFIX, HOME, PROFILE_DIR
#   profile_open NAME           prefix_new + scripts/profiles/NAME.sh + common
#                               letters + prefix_commit
#   drive_set L TYPE DIR [LABEL [SERIAL]]   map a letter (before wineserver starts)
#   drive_remove L
#   prefix_commit               write drive types, start the persistent wineserver
#   server_start / server_stop  a persistent wineserver for WINEPREFIX
#   profile_lock_folder         make $PROFILE_DIR/locked read-only, even for root
#   xvfb_start                  Xvfb on a free display; exports DISPLAY
#   cleanup_all                 stop everything started here (installed as EXIT trap)

ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
WINE_ROOT=$ROOT/build/wine
if [[ -x /usr/lib/wine/wine64 ]]; then
    WINE=/usr/lib/wine/wine64 # skips the wrapper's note about a missing 32-bit Wine
else
    WINE=wine
fi
WINESERVER=wineserver

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
unset WINELOADER WINEDLLPATH

_XVFB_PID=
_SERVER_PREFIXES=()
_LOCKED_FOLDERS=()

log() { printf '%s\n' "$*" >&2; }

# Point HOME (and with it Wine's user folders and the XDG trash) at a private folder.
use_home() {
    export HOME=$1
    export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
    mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info" "$XDG_CONFIG_HOME"
}

# A registry file in REGEDIT4 syntax is imported with regedit from C:\.
_reg_import() { # prefix file
    local name
    name=import-$$-$RANDOM.reg
    cp "$2" "$1/drive_c/$name"
    (cd "$1/drive_c" && WINEPREFIX=$1 "$WINE" regedit /S "C:\\$name")
    rm -f "$1/drive_c/$name"
}

wine_template() {
    local template=$WINE_ROOT/template
    # The stamp's number changes whenever the preparation below changes.
    [[ -f $template/.orbelune-ready-3 ]] && return 0
    log "Preparing the Wine template prefix (once per build folder)..."
    rm -rf "$template"
    mkdir -p "$WINE_ROOT"
    (
        use_home "$WINE_ROOT/home/template"
        export WINEPREFIX=$template
        "$WINE" wineboot -i >/dev/null 2>&1
        cat >"$WINE_ROOT/template.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
        _reg_import "$template" "$WINE_ROOT/template.reg"
        "$WINESERVER" -w
    )
    rm -f "$template/dosdevices/z:" "$WINE_ROOT/template.reg"
    # Debian's Wine does not find the fonts of fonts-wine (Tahoma, Marlett):
    # without them dialogs fall back to other faces and caption buttons show
    # letters. Fonts in the Windows fonts folder are always loaded.
    cp /usr/share/wine/fonts/*.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$template/.orbelune-ready-3"
}

# prefix_new NAME: build/wine/profiles/NAME/{prefix,drives,scratch}, HOME build/wine/home/NAME.
# With "keep", an existing prefix and HOME of that name are used as they are.
prefix_new() {
    local name=$1 keep=${2-}
    PROFILE_DIR=$WINE_ROOT/profiles/$name
    wine_template
    # A kept prefix made from an older template is made anew.
    if [[ -z $keep || ! -f $PROFILE_DIR/prefix/.orbelune-ready-3 ]]; then
        # A scenario may have locked folders of its own anywhere in the profile.
        [[ -d $PROFILE_DIR ]] && _folder_unlock "$PROFILE_DIR"
        rm -rf "$PROFILE_DIR" "$WINE_ROOT/home/$name"
        mkdir -p "$PROFILE_DIR/drives" "$PROFILE_DIR/scratch"
        cp -a "$WINE_ROOT/template" "$PROFILE_DIR/prefix"
        rm -f "$PROFILE_DIR/prefix/wineserver"
    fi
    export WINEPREFIX=$PROFILE_DIR/prefix
    use_home "$WINE_ROOT/home/$name"
    local variable
    for variable in $(compgen -v ORBELUNE_DRIVE_ || true); do unset "$variable"; done
    export ORBELUNE_PROFILE=$name
    _PENDING_REG=$PROFILE_DIR/drives.reg
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n' >"$_PENDING_REG"
}

# drive_set LETTER TYPE DIR [LABEL [SERIAL]]
# TYPE: hd | cdrom | network | floppy | ramdisk. DIR "missing" stands for a
# folder that does not exist (a CD drive without a disc); DIR is created
# otherwise. Exports ORBELUNE_DRIVE_<L>_DIR (Linux folder), _TYPE, _LABEL, _SERIAL.
drive_set() {
    local letter=${1,,} type=$2 dir=$3 label=${4-} serial=${5-}
    local upper=${letter^^}
    [[ $dir == missing ]] && dir=$PROFILE_DIR/drives/$letter-missing || mkdir -p "$dir"
    ln -sfn "$dir" "$WINEPREFIX/dosdevices/$letter:"
    printf '"%s:"="%s"\n' "$letter" "$type" >>"$_PENDING_REG"
    if [[ -n $label ]]; then printf '%s\n' "$label" >"$dir/.windows-label"; fi
    if [[ -n $serial ]]; then printf '%s\n' "$serial" >"$dir/.windows-serial"; fi
    export "ORBELUNE_DRIVE_${upper}_DIR=$dir" "ORBELUNE_DRIVE_${upper}_TYPE=$type"
    export "ORBELUNE_DRIVE_${upper}_LABEL=$label" "ORBELUNE_DRIVE_${upper}_SERIAL=$serial"
}

profile_open() {
    local name=$1 file=$ROOT/scripts/profiles/$1.sh
    [[ -f $file ]] || { log "No profile $file"; return 1; }
    prefix_new "$name"
    # shellcheck source=/dev/null
    source "$file"
    drive_common
    prefix_commit
}

# A profile's read-only folder is $PROFILE_DIR/locked: nothing can be created,
# deleted, renamed or written in it or its files any more (immutable attribute,
# so that root is held too; without the attribute, write permission is taken
# away). cleanup_all and the next prefix_new lift the lock.
profile_lock_folder() {
    local folder=$PROFILE_DIR/locked
    chmod -R a-w "$folder"
    chattr -R +i "$folder" 2>/dev/null || true
    _LOCKED_FOLDERS+=("$folder")
}

_folder_unlock() {
    chattr -R -i "$1" 2>/dev/null || true
    chmod -R u+w "$1" 2>/dev/null || true
}

drive_remove() { rm -f "$WINEPREFIX/dosdevices/${1,,}:"; }

# The letters every profile has: S: a scratch folder, W: the Windows build
# folder, T: the recycle bin; all network drives, so no list of fixed drives changes.
drive_common() {
    drive_set s network "$PROFILE_DIR/scratch"
    drive_set w network "$ROOT/build/win64"
    drive_set t network "$XDG_DATA_HOME/Trash"
    export ORBELUNE_SCRATCH='S:\' ORBELUNE_BIN='W:\' ORBELUNE_TRASH='T:\'
    export ORBELUNE_EXE='W:\Orbelune.exe' ORBELUNE_BARE_DIALOG='W:\bare_dialog.exe'
}

# Drive types, labels and serials are read when wineserver starts: import the
# types, restart the server, and keep it running (server_stop ends it).
prefix_commit() {
    server_start
    _reg_import "$WINEPREFIX" "$_PENDING_REG"
    server_stop
    server_start
}

server_start() {
    "$WINESERVER" -p
    _SERVER_PREFIXES+=("$WINEPREFIX")
}

server_stop() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
}

# Xvfb on the first free display from :90 (or :$ORBELUNE_XVFB_FIRST) up; DISPLAY is exported.
xvfb_start() {
    local n
    for ((n = ${ORBELUNE_XVFB_FIRST:-90}; n < 190; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        _XVFB_PID=$!
        local i
        for ((i = 0; i < 50; i++)); do
            if ! kill -0 "$_XVFB_PID" 2>/dev/null; then break; fi # lost a race for :n
            if DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=:$n
                return 0
            fi
            sleep 0.1
        done
        kill "$_XVFB_PID" 2>/dev/null || true
        wait "$_XVFB_PID" 2>/dev/null || true
        _XVFB_PID=
    done
    log "No free X display found"
    return 1
}

cleanup_all() {
    local prefix
    for prefix in "${_SERVER_PREFIXES[@]}"; do
        WINEPREFIX=$prefix "$WINESERVER" -k 2>/dev/null || true
        WINEPREFIX=$prefix "$WINESERVER" -w 2>/dev/null || true
    done
    _SERVER_PREFIXES=()
    local folder
    for folder in "${_LOCKED_FOLDERS[@]}"; do _folder_unlock "$folder"; done
    _LOCKED_FOLDERS=()
    if [[ -n $_XVFB_PID ]]; then
        kill "$_XVFB_PID" 2>/dev/null || true
        wait "$_XVFB_PID" 2>/dev/null || true
        _XVFB_PID=
    fi
}
trap cleanup_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
