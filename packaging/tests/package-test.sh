#!/usr/bin/env bash
# Builds the runtime package of BUILD_DIR with CPack, checks its control data, unpacks it into a
# temporary root and runs the installation from there, without LD_LIBRARY_PATH: Server --init with the
# demo, an hour of virtual time, the report, and KtCtiConfig's unattended detection. Then the units
# (systemd-analyze) and, where installed, lintian.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "package-test: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/out/voice-notice_${version}_$(dpkg --print-architecture).deb
dev=$work/out/voice-notice-dev_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no runtime package: $(ls "$work/out")"
[ -f "$dev" ] || fail "no -dev package: $(ls "$work/out")"

# The dependencies come from dpkg-shlibdeps (Qt, libsndfile, ...) beside those declared by hand.
info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for needed in libqt6core6 libqt6widgets6 libsndfile1 libc6 libqt6sql6-sqlite adduser; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
contents=$(dpkg-deb -c "$dev")
grep -q './usr/include/lumosms/LumoSms.h' <<<"$contents" || fail "the -dev package lacks the headers"

root=$work/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
for program in Server KtCtiConfig SmsSender ktsim lumosms voxdb-build; do
    [ -x "$bin/$program" ] || fail "$program is not in the package"
    [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no man page for $program"
    env -u LD_LIBRARY_PATH "$bin/$program" --version | grep -q "$version" || fail "$program --version"
    env -u LD_LIBRARY_PATH "$bin/$program" --help >/dev/null || fail "$program --help"
done
[ -f "$root/usr/share/voice-notice/translations/ktcticonfig_zh_CN.qm" ] || fail "no translations in the package"
# Every library the programs need from the package is found inside the unpacked root.
for program in Server KtCtiConfig; do
    libraries=$(env -u LD_LIBRARY_PATH ldd "$bin/$program")
    grep -q 'not found' <<<"$libraries" && fail "$program misses a library: $libraries"
done
grep -q "$root/usr/\(bin/\.\./\)\?lib/.*/libVoxStore.so" <<<"$(env -u LD_LIBRARY_PATH ldd "$bin/Server")" ||
    fail "Server does not take libVoxStore.so from the package"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
inst=$work/installation
env -u LD_LIBRARY_PATH "$bin/Server" --init "$inst" --demo || fail "Server --init"
env -u LD_LIBRARY_PATH "$bin/Server" --dir "$inst" --virtual-time --start-time "2026-12-11 09:00:00" \
    --run-for 3600 2>"$work/run.log" || { cat "$work/run.log" >&2; fail "the virtual-time run"; }
report=$(env -u LD_LIBRARY_PATH "$bin/Server" --dir "$inst" --report)
grep -q '通知成功' <<<"$report" || fail "no task was notified: $report"

# new-installation.sh makes an installation where the unit expects it (here under a root of the test's).
VOICE_NOTICE_ROOT=$work/var VOICE_NOTICE_SERVER=$bin/Server env -u LD_LIBRARY_PATH \
    "$root/usr/share/voice-notice/new-installation.sh" --no-unit main >"$work/new.log" 2>&1 ||
    { cat "$work/new.log" >&2; fail "new-installation.sh"; }
[ -f "$work/var/main/Setup.ini" ] || fail "new-installation.sh made no installation"
VOICE_NOTICE_ROOT=$work/var VOICE_NOTICE_SERVER=$bin/Server \
    "$root/usr/share/voice-notice/new-installation.sh" --no-unit main >/dev/null 2>&1 && fail "new-installation.sh made main twice"

mkdir "$work/kt"
(cd "$inst" && env -u LD_LIBRARY_PATH "$bin/KtCtiConfig" "|$work/kt|") || fail "KtCtiConfig \"|DIR|\""
grep -qi '^\[SystemConfig\]' "$work/kt/KtConfig.ini" || fail "KtCtiConfig wrote no configuration"

if command -v systemd-analyze >/dev/null; then
    # verify wants the programs of ExecStart where the units name them: the unpacked root holds them.
    for unit in "$root"/usr/lib/systemd/system/*.service; do
        sed "s|/usr/bin/|$bin/|g" "$unit" >"$work/$(basename "$unit")"
    done
    for unit in "$work"/*.service; do
        name=$(basename "$unit")
        instance=${name/@.service/@demo.service}
        cp "$unit" "$work/$instance"
        out=$(SYSTEMD_LOG_LEVEL=warning systemd-analyze verify --man=no "$work/$instance" 2>&1) || fail "systemd-analyze: $out"
        grep -v 'is not a symlink\|^$' <<<"$out" | grep -q . && fail "systemd-analyze: $out"
        rm "$work/$instance"
    done
fi

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" "$dev" || fail "lintian reports errors"
fi
echo "package-test: $(basename "$deb") and $(basename "$dev") built, unpacked and run"
