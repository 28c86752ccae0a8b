#!/usr/bin/env bash
# Looks at the Debian package from outside, as a user's machine sees it:
#   check-package.sh DEB VERSION DATA_SOURCE_DIR
# The control fields, the exact file list, the icons, the manual pages; then
# the programs unpacked with dpkg -x, run from another folder with a fresh
# HOME and none of the program's environment variables.
set -uo pipefail
deb="$1" version="$2" data_src="$3"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ -f "$deb" ] || { echo "FAIL: no package $deb" >&2; exit 1; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x $deb" >&2; exit 1; }

# --- Control fields: the version of the build, dependencies from the binaries,
# no maintainer scripts.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6serialport6 libqt6svg6 libc6 qt6-qpa-plugins; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
dpkg-deb -e "$deb" "$scratch/control"
extra_control="$(ls "$scratch/control" | grep -vx -e control -e md5sums)"
[ -z "$extra_control" ] || fail "unexpected control files: $extra_control"

# --- The file list, exactly: nothing missing, nothing that does not belong.
expected=(
    usr/bin/tolvane usr/bin/tolvane-cli usr/bin/tolvane-handheld-sim
    usr/share/applications/io.github.tolvane.Tolvane.desktop
    usr/share/metainfo/io.github.tolvane.Tolvane.metainfo.xml
    usr/share/mime/packages/tolvane-images.xml
    usr/share/icons/hicolor/scalable/apps/tolvane.svg
    usr/share/icons/hicolor/48x48/apps/tolvane.png
    usr/share/icons/hicolor/128x128/apps/tolvane.png
    usr/share/icons/hicolor/256x256/apps/tolvane.png
    usr/share/man/man1/tolvane.1.gz usr/share/man/man1/tolvane-cli.1.gz
    usr/share/man/man1/tolvane-handheld-sim.1.gz
    usr/share/doc/tolvane/copyright usr/share/doc/tolvane/changelog.gz
    usr/share/tolvane/FONTMAP.DEF
)
for ini in English French German Dutch Swedish Spanish; do
    expected+=("usr/share/tolvane/$ini.ini")
done
[ -f "$data_src/appidtab.def" ] && expected+=(usr/share/tolvane/appidtab.def)
diff <(printf '%s\n' "${expected[@]}" | sort) \
     <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
    || fail "file list differs (< expected only, > packaged only)"

# --- Icons: each PNG is square and of the size its folder names.
for size in 48 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/tolvane.png"
    file -b "$png" | grep -q "PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done

# --- Manual pages: tolvane-cli's covers every command its help lists.
page="$root/usr/share/man/man1/tolvane-cli.1.gz"
commands="$("$root/usr/bin/tolvane-cli" --help | sed -n '/^Commands:/,/^$/p' | awk '/^  [a-z]/ {print $1}')"
[ -n "$commands" ] || fail "no commands in tolvane-cli --help"
for cmd in $commands; do
    zcat "$page" | grep -qx "\.SS $cmd" || fail "tolvane-cli(1) lacks the command $cmd"
    zcat "$page" | grep -q "^Usage: tolvane-cli $cmd" || fail "tolvane-cli(1) lacks the usage of $cmd"
done
for section in OPTIONS "EXIT STATUS" EXAMPLES; do
    zcat "$page" | grep -q "^\.SH \"\?$section\"\?$" || fail "tolvane-cli(1) lacks the section $section"
done
for prog in tolvane tolvane-handheld-sim; do
    zcat "$root/usr/share/man/man1/$prog.1.gz" | grep -q "^\.SH OPTIONS" \
        || fail "$prog(1) lacks its options"
done

# --- The installed programs at work. The language file gets a mark, so that
# the settings file shows which installation data the designer used.
printf '[PackageCheck]\nFromInstalledData=1\n' >> "$root/usr/share/tolvane/English.ini"
work="$scratch/elsewhere"
home="$scratch/home"
mkdir -p "$work" "$home"
run() { (cd "$work" && env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"); }

for prog in tolvane tolvane-cli tolvane-handheld-sim; do
    # No display: the version must not need one.
    out="$(run "$root/usr/bin/$prog" --version)" || fail "$prog --version failed"
    [ "$out" = "$prog $version" ] || fail "$prog --version printed '$out'"
done

cat > "$work/sample.json" <<'JSON'
{
  "LongName": "PACKAGE CHECK",
  "ShortName": "CHECK",
  "TypeCode": 2,
  "Area": {"Left": 0, "Top": 0, "Right": 900, "Bottom": 228},
  "Items": [
    {"Class": "TextItem", "FontNumber": 0, "X": 10, "Y": 10, "Width": 0, "Height": 0,
     "Rotation": 0, "Justification": 0, "Text": "LOT 42", "OperatorRequest": false,
     "Prompt": "", "MaxChars": 0}
  ]
}
JSON
run "$root/usr/bin/tolvane-cli" build sample.json -o sample.G4E || fail "tolvane-cli build"
run "$root/usr/bin/tolvane-cli" render sample.G4E -o sample.png || fail "tolvane-cli render"
file -b "$work/sample.png" 2>/dev/null | grep -q "^PNG image data" || fail "render wrote no PNG"

# The designer: still running after the start-up, with tolv.ini made from the
# installed English.ini.
run QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/tolvane" > "$scratch/designer.log" 2>&1
status=$?
[ "$status" -eq 124 ] || { cat "$scratch/designer.log" >&2; fail "the designer ended with $status during its start"; }
settings="$home/.config/Tolvane/tolv.ini"
grep -q '^FromInstalledData=1' "$settings" 2>/dev/null \
    || fail "$settings was not made from the installed English.ini"

[ "$failures" -eq 0 ] && echo "package $deb: all checks passed"
exit $((failures > 0))
