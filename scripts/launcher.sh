# The desktop launcher: a desktop entry in the user's application menu that starts the program
# folder's executable, with the program's icon. Sourced by run.sh:
#   install_launcher PROGRAM_FOLDER
# Writes only under ${XDG_DATA_HOME:-$HOME/.local/share}.

# A path as one quoted argument of a desktop entry's Exec key: the characters that a quoted
# argument reserves are escaped with "\", and every "\" is doubled again because the key's value
# is a string; "%" is written "%%".
desktop_exec_arg() {
    local s="$1"
    s="${s//\\/\\\\}"
    s="${s//\"/\\\"}"
    s="${s//\`/\\\`}"
    s="${s//\$/\\\$}"
    s="${s//\\/\\\\}"
    s="${s//%/%%}"
    printf '"%s"' "$s"
}

# A path as a plain string value of a desktop entry (Path key).
desktop_string() {
    local s="$1"
    s="${s//\\/\\\\}"
    printf '%s' "$s"
}

install_launcher() {
    local home="$1"
    local root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    local data="${XDG_DATA_HOME:-$HOME/.local/share}"
    local apps="$data/applications"
    local entry="$apps/zorvel-list.desktop"
    mkdir -p "$apps" "$data/icons/hicolor/32x32/apps" "$data/icons/hicolor/64x64/apps"
    install -m 644 "$root/platform/qt/zorvel32.png" "$data/icons/hicolor/32x32/apps/zorvel-list.png"
    install -m 644 "$root/platform/qt/zorvel64.png" "$data/icons/hicolor/64x64/apps/zorvel-list.png"
    local tmp="$entry.tmp.$$"
    cat > "$tmp" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.4
Name=Zorvel List
GenericName=Roster
GenericName[ja]=名簿
Comment=Roster of supporters or participants
Comment[ja]=支援者・参加者の名簿
Exec=$(desktop_exec_arg "$home/zorvel")
Path=$(desktop_string "$home")
Icon=zorvel-list
Terminal=false
Categories=Office;
StartupWMClass=zorvel
ENTRY
    mv -f "$tmp" "$entry"
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database "$apps" >/dev/null 2>&1 || true
    fi
}
