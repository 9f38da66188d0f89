#!/usr/bin/env bash
# Installs the build into a staging folder and checks one aspect of the result.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID CHECK; exit 77 (skipped) when a tool the check needs is missing.
set -euo pipefail
build="$1" version="$2" id="$3" check="$4"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"
fail() { echo "FAIL: $*"; exit 1; }
case "$check" in
files)
    for f in usr/bin/talvek usr/bin/talvek-cli usr/share/talvek/StandardTable.tbl usr/share/talvek/StandardDTETable.tbl \
             usr/share/talvek/Prototype.tbl usr/share/talvek/PrototypeDTE.tbl usr/share/talvek/NESPalette.pal \
             "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
             "usr/share/icons/hicolor/32x32/apps/$id.png" usr/share/man/man1/talvek.1 usr/share/man/man1/talvek-cli.1; do
        [[ -f "$stage/$f" ]] || fail "missing $f"
    done
    grep -q "^Exec=talvek %f$" "$share/applications/$id.desktop" || fail "Exec"
    grep -q "^MimeType=application/x-nes-rom;$" "$share/applications/$id.desktop" || fail "MimeType"
    grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "newest release is not $version"
    grep -q "Talvek $version" "$share/man/man1/talvek-cli.1" || fail "man page version"
    ;;
desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate missing (desktop-file-utils)"; exit 77; }
    desktop-file-validate "$share/applications/$id.desktop"
    ;;
appstream)
    command -v appstreamcli >/dev/null || { echo "appstreamcli missing (appstream)"; exit 77; }
    appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
    ;;
programs)
    # The installed programs find their tables from any working directory.
    cd "$(mktemp -d -p "$stage")"
    [[ "$("$stage/usr/bin/talvek-cli" --version)" == "talvek-cli $version" ]] || fail "talvek-cli --version"
    [[ "$(QT_QPA_PLATFORM=offscreen "$stage/usr/bin/talvek" --version)" == "talvek $version" ]] || fail "talvek --version"
    QT_QPA_PLATFORM=offscreen "$stage/usr/bin/talvek" --help | grep -q "\[ROM\]" || fail "talvek --help"
    "$stage/usr/bin/talvek-cli" --help | grep -q "xref" || fail "talvek-cli --help"
    "$stage/usr/bin/talvek-cli" sample s.nes
    "$stage/usr/bin/talvek-cli" info s.nes | grep -q "^class: ff2$" || fail "info"
    [[ "$("$stage/usr/bin/talvek-cli" text s.nes 0 0)" == "Potion" ]] || fail "text through the installed tables"
    ;;
*) fail "unknown check $check" ;;
esac
echo "ok: $check"
