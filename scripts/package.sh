#!/usr/bin/env bash
# Builds the Debian package abatimientos_VERSION_ARCH.deb into build-deb/, installed under /usr,
# lists what it holds and has Debian's own checker, lintian, pass it: an error or a warning stops
# the script. Install it with: apt-get install ./build-deb/abatimientos_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! command -v lintian >/dev/null; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q && apt-get install -y -q --no-install-recommends lintian
fi
bash scripts/build.sh build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DABAT_BENCHMARKS=OFF -DABAT_PRUEBAS=OFF
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/abatimientos_*.deb)
dpkg-deb --field "$deb"
contenido=$(dpkg-deb --contents "$deb")
echo "$contenido"
# What the package must hold for the desktop to show and start the program, and its documents.
id=io.github.abatimientos.Abatimientos
for f in ./usr/bin/abatimientos ./usr/share/applications/$id.desktop \
         ./usr/share/man/man1/abatimientos.1.gz ./usr/share/doc/abatimientos/copyright \
         ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
         ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/mime/packages/$id.xml \
         ./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/abatimientos/libabatimientos-sig.so; do
    grep -q " $f\$" <<<"$contenido" || { echo "missing from the package: $f" >&2; exit 1; }
done
# Info tags are shown but do not stop it (see the README).
lintian --display-info --fail-on error,warning "$deb"
echo "$deb"
