#!/usr/bin/env bash
# Installs the build given into a temporary DESTDIR, as a package would, and checks that the menu
# entry, the icon and the AppStream metadata are valid and name what was installed, that the
# manual page, changelog and copyright are there, and that the installed program starts and shows
# its main window.
set -euo pipefail
# No `cmd | grep -q` below: grep leaving early kills the writer with SIGPIPE, which pipefail
# turns into a failure now and then.
build=$1
id=io.github.abatimientos.Abatimientos
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null

share=$dest/usr/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null

exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
test -x "$dest/usr/bin/$exec"
# TryExec is a program's name, looked for as it stands (GLib takes no arguments there): a desktop
# that finds none shows no menu entry, although desktop-file-validate passes.
tryexec=$(sed -n 's/^TryExec=//p' "$desktop")
test -f "$dest/usr/bin/$tryexec" && test -x "$dest/usr/bin/$tryexec" || { echo "TryExec=$tryexec names no installed program" >&2; exit 1; }
test "$icon" = "$id"
test -f "$share/icons/hicolor/scalable/apps/$icon.svg"
for lado in 16 24 32 48 64 128 256; do
    [[ $(file "$share/icons/hicolor/${lado}x$lado/apps/$icon.png") == *"PNG image data, $lado x $lado"* ]]
done
# Study files belong to the program: the desktop entry takes their type, which the glob gives.
mime=$share/mime/packages/$id.xml
xmllint --noout "$mime"
grep -q '^MimeType=application/x-abatimientos;$' "$desktop"
grep -q '<glob pattern="\*.abat"/>' "$mime"
grep -q '<mime-type type="application/x-abatimientos">' "$mime"
grep -q "<id>$id</id>" "$metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
grep -q "<binary>$exec</binary>" "$metainfo"
zcat "$share/man/man1/$exec.1.gz" | grep -c '^\.SH DESCRIPCIÓN' >/dev/null
[[ $(zcat "$share/doc/abatimientos/changelog.gz") == 'abatimientos (1.0)'* ]]
grep -q '^License: GPL-3.0-or-later' "$share/doc/abatimientos/copyright"

# The GIS functions are a module beside the program's libraries, which alone links GDAL.
modulo=$(find "$dest/usr/lib" -name libabatimientos-sig.so)
test -n "$modulo"
[[ $(ldd "$modulo") == *libgdal* ]]
[[ $(ldd "$dest/usr/bin/$exec") != *libgdal* ]]

# The installed program, on a display of its own, opens a study in a coordinate system, which it
# reads through the installed module: its main window shows with the study's name in its caption.
# Its data (a recovery copy) go to a directory of the test's own.
estudio=$dest/utm.abat
printf '%s\n' '{"formato": "abatimientos", "version": 1, "acuifero": {"T": "0.01", "S": "0.0002"},' \
    '"pozos": [], "puntos": [], "tiempo": "", "crs": "EPSG:25830"}' >"$estudio"
XDG_DATA_HOME=$dest/datos env -u QT_QPA_PLATFORM xvfb-run -a bash -c '
    "$1" "$2" & programa=$!
    timeout 30 xdotool search --sync --onlyvisible --name "utm.abat.*Cálculo de Abatimientos en el Acuífero" >/dev/null
    visto=$?
    kill $programa
    exit $visto' _ "$dest/usr/bin/$exec" "$estudio"
echo "installed and started: $dest/usr/bin/$exec"
