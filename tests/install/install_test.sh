#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what lands there, and
# starts the installed launcher as the menu entry would, with a temporary home.
#
#   install_test.sh CMAKE BUILD_DIR VERSION
set -euo pipefail

cmake=$1
build=$2
version=$3
tmp=$(mktemp -d)
prefix="$tmp/prefix"
program_pid=

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

# --- Every installed file, and nothing else --------------------------------
app=com.arvelo.rezu
expected="bin/arvelo-catalogue
bin/arvelo-rezu
bin/arvelo-size
libexec/arvelo-rezu/arvelo-rezu
share/applications/$app.desktop
share/arvelo-rezu/catalogue/catalogue_schema.sql
share/arvelo-rezu/catalogue/dpcv.csv
share/arvelo-rezu/catalogue/fluidi.csv
share/arvelo-rezu/catalogue/fobv.csv
share/arvelo-rezu/catalogue/picv.csv
share/arvelo-rezu/catalogue/progetti_schema.sql
share/arvelo-rezu/catalogue/vobv.csv
share/doc/arvelo-rezu/README.md
share/doc/arvelo-rezu/arvelo-size.md
share/doc/arvelo-rezu/catalogue.md
share/doc/arvelo-rezu/changelog.gz
share/doc/arvelo-rezu/copyright
share/doc/arvelo-rezu/main-window.png
share/icons/hicolor/16x16/apps/$app.png
share/icons/hicolor/256x256/apps/$app.png
share/icons/hicolor/32x32/apps/$app.png
share/icons/hicolor/48x48/apps/$app.png
share/icons/hicolor/scalable/apps/$app.svg
share/man/man1/arvelo-catalogue.1.gz
share/man/man1/arvelo-rezu.1.gz
share/man/man1/arvelo-size.1.gz
share/metainfo/$app.metainfo.xml"
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "installed files differ from the expected ones:$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$installed"))"

for runnable in bin/arvelo-catalogue bin/arvelo-rezu bin/arvelo-size libexec/arvelo-rezu/arvelo-rezu; do
    [ -x "$prefix/$runnable" ] || fail "$runnable is not executable"
done

# A PNG states its width and height as big-endian words at byte 16.
for size in 16 32 48 256; do
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${size}x$size/apps/$app.png")
    width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
    height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
    [ "$width x $height" = "$size x $size" ] || fail "the $size-pixel icon is $width x $height"
done

# --- Menu entry and metainfo ---------------------------------------------------
desktop="$prefix/share/applications/$app.desktop"
metainfo="$prefix/share/metainfo/$app.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate --pedantic"
grep -qx "Exec=arvelo-rezu" "$desktop" || fail "the menu entry does not start the launcher"
grep -qx "Icon=$app" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "metainfo launches another entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo names another release than $version"
# Name, GenericName and Comment in each of the program's seven languages.
for key in Name GenericName Comment; do
    for language in it es de fr sv ru; do
        grep -q "^$key\[$language\]=." "$desktop" || fail "the menu entry has no $key[$language]"
    done
done
for language in it es de fr sv ru; do
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "metainfo has no summary in $language"
done
grep -q "<caption>.*main window" "$metainfo" || fail "metainfo shows no captioned screenshot of the main window"

# --- Versions and manual pages ---------------------------------------------------
for tool in arvelo-size arvelo-catalogue; do
    [ "$("$prefix/bin/$tool" --version)" = "$tool $version" ] || fail "$tool --version"
done
for page in arvelo-size arvelo-catalogue arvelo-rezu; do
    header=$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | grep -m1 '^\.TH') || fail "$page.1.gz is no manual page"
    [[ $header == *"$version"* ]] || fail "$page.1.gz names another version: $header"
    # As lintian formats it: at 80 columns, any warning of groff counts.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1.gz formats with warnings: $warnings"
done
for section in EXAMPLES FILES ENVIRONMENT; do
    gzip -dc "$prefix/share/man/man1/arvelo-size.1.gz" | grep -q "^\.SH $section" || fail "arvelo-size.1 has no $section"
done

# --- The launcher ------------------------------------------------------------------
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
unset REZU_WORKDIR
# A stand-in for the desktop's notify-send, to see what the user would be told.
mkdir "$tmp/desktop-bin"
printf '#!/bin/sh\nprintf "%%s|" "$@" >>"%s"\n' "$tmp/notifications" >"$tmp/desktop-bin/notify-send"
chmod +x "$tmp/desktop-bin/notify-send"
export PATH="$tmp/desktop-bin:$PATH"

home="$tmp/home"
workdir="$home/ArveloRezu"
database="$workdir/DB/mvd.db"
mkdir "$home"

# Starts the launcher in the background; the program replaces it, so its pid
# is the program's. Returns once the program has made its folders at start-up.
launch() {
    HOME="$home" "$prefix/bin/arvelo-rezu" >"$tmp/launcher.out" 2>"$tmp/launcher.err" &
    program_pid=$!
    for _ in $(seq 100); do
        [ -d "$workdir/Export" ] && [ -d "$workdir/DataLog" ] && break
        kill -0 "$program_pid" 2>/dev/null || { cat "$tmp/launcher.err"; fail "the program ended at start"; }
        sleep 0.2
    done
    [ -d "$workdir/Export" ] || fail "the program did not prepare DataLog and Export"
    sleep 1
    kill -0 "$program_pid" 2>/dev/null || { cat "$tmp/launcher.err"; fail "the program did not stay up"; }
    [ "$(ps -o comm= -p "$program_pid")" = arvelo-rezu ] && [ "$(ps -o args= -p "$program_pid")" = arvelo-rezu ] ||
        fail "the program shows in ps as $(ps -o comm=,args= -p "$program_pid")"
    [ "$(readlink -f "/proc/$program_pid/cwd")" = "$(readlink -f "$workdir")" ] ||
        fail "the program runs in $(readlink -f "/proc/$program_pid/cwd")"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    rm -rf "$workdir/Export" "$workdir/DataLog"
}

valve_list() {
    sqlite3 "$database" "SELECT * FROM progetti ORDER BY rowid"
}

# Before the first start arvelo-size says where it looked and how to make a
# catalogue; right after it, it finds the one the launcher made.
if (cd "$tmp" && HOME="$home" "$prefix/bin/arvelo-size" fixed --flow 0,5 --dp 100 >/dev/null 2>"$tmp/size.err"); then
    fail "arvelo-size ran without a catalogue"
fi
grep -q "tried $home/ArveloRezu/DB/mvd.db, DB/mvd.db).*arvelo-catalogue" "$tmp/size.err" ||
    fail "arvelo-size gave no helpful message: $(cat "$tmp/size.err")"

# First start: the working folder and its catalogue are made.
launch
grep -q "created the catalogue" "$tmp/launcher.out" || fail "the first start built no catalogue"
(cd "$tmp" && HOME="$home" "$prefix/bin/arvelo-size" fixed --flow 0,5 --dp 100 >/dev/null) ||
    fail "the catalogue built is not usable"

# The manual's examples run as printed, in a fresh folder.
examples="$tmp/examples"
mkdir "$examples"
LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$prefix/share/man/man1/arvelo-size.1.gz" 2>/dev/null | col -bx |
    sed -n '/^EXAMPLES/,/^[A-Z]/p' | sed -n 's/^[[:space:]]*\(arvelo-size .*\|printf .*\)$/\1/p' >"$tmp/examples.sh"
[ "$(grep -c . "$tmp/examples.sh")" -ge 5 ] || fail "the manual's examples were not found: $(cat "$tmp/examples.sh")"
while IFS= read -r example; do
    (cd "$examples" && HOME="$home" PATH="$prefix/bin:$PATH" bash -c "$example" >/dev/null 2>"$tmp/example.err") ||
        fail "the manual's example failed: $example: $(cat "$tmp/example.err")"
done <"$tmp/examples.sh"
[ -s "$examples/results.csv" ] && [ -s "$examples/curve.svg" ] || fail "the manual's examples wrote no files"

# A later start with the catalogue up to date builds nothing.
sqlite3 "$database" "INSERT INTO progetti VALUES (1,'Arvelo Quarz','DN 25','AQ-025',10.0,0.5,0,70.0,50.0,0.0,'3,70','5,79','','Riser 1','mbar','l/s','kW','°C')"
list=$(valve_list)
launch
[ ! -s "$tmp/launcher.out" ] || fail "an up-to-date catalogue was built again: $(cat "$tmp/launcher.out")"
[ "$(valve_list)" = "$list" ] || fail "the valve list changed"

# Newly installed sources make the next start renew the catalogue, keeping the
# list, even when the package dates them before the catalogue file.
sleep 1
touch -d "2 days ago" "$prefix/share/arvelo-rezu/catalogue/fobv.csv"
launch
grep -q "valve list: 1 row" "$tmp/launcher.out" || fail "newer sources did not renew the catalogue: $(cat "$tmp/launcher.out")"
[ "$(valve_list)" = "$list" ] || fail "renewing the catalogue lost the valve list"

# --- What the user is told when the folder cannot be prepared -----------------
[ ! -e "$tmp/notifications" ] || fail "notified without a failure: $(cat "$tmp/notifications")"
touch "$tmp/a-file"
if REZU_WORKDIR="$tmp/a-file/ArveloRezu" "$prefix/bin/arvelo-rezu" 2>"$tmp/launcher.err"; then
    fail "the launcher went on without a working folder"
fi
grep -q "Arvelo Rezu cannot start|the working folder $tmp/a-file/ArveloRezu cannot be created." "$tmp/notifications" ||
    fail "no notification of the missing folder: $(cat "$tmp/notifications")"

# Installed sources with a flaw: the builder's reason reaches the user, and the
# program is not started on a missing catalogue. The installed builder reads
# the installed sources by itself, too.
rm "$tmp/notifications"
echo "numero;densita_relativa" >"$prefix/share/arvelo-rezu/catalogue/fluidi.csv"
other="$tmp/other"
if REZU_WORKDIR="$other" "$prefix/bin/arvelo-rezu" 2>"$tmp/launcher.err"; then
    fail "the launcher started the program without a catalogue"
fi
grep -q "the catalogue $other/DB/mvd.db cannot be built: .*fluidi.csv" "$tmp/notifications" ||
    fail "the builder's reason was not told: $(cat "$tmp/notifications")"
[ ! -e "$other/DB/mvd.db" ] && [ ! -e "$other/Export" ] || fail "something was made from flawed sources"
if "$prefix/bin/arvelo-catalogue" "$tmp/by-hand.db" 2>"$tmp/builder.err"; then
    fail "the installed builder did not read the installed (flawed) sources"
fi
grep -q "in the sources in $prefix/share/arvelo-rezu/catalogue;" "$tmp/builder.err" ||
    fail "the installed builder read other sources: $(cat "$tmp/builder.err")"

echo "installed, validated and launched"
