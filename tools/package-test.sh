#!/usr/bin/env bash
# tools/package-test.sh [BUILD]: checks the Debian package BUILD/package/tavelo_*.deb on
# this machine, as root (make package-test).
#
# lintian; installation with apt (dependencies come along); group, data folder,
# lists, links, films, icon, menu entry; the build's program and the installed one
# (run by a pupil's account of the group tavelo) show the same home screen under
# Xvfb; a pupil registers and his record lands in /var/lib/tavelo/sauvegardes, a
# second account of the group logs in as him and rewrites it; removal,
# reinstallation and purge leave every record and list as it was.
#
# It refuses to run where /var/lib/tavelo holds data it did not create, and leaves
# the machine as it found it: the package purged, the data folder, the group and the
# two accounts removed (each only when this script created it). Screenshots go to
# BUILD/package-test/.
set -uo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
OUT=$BUILD/package-test
DATA=/var/lib/tavelo
OWNED=$DATA/.package-test   # marks a data folder this script's installation created
GROUP=tavelo
PUPIL1=tavelo-essai1
PUPIL2=tavelo-essai2
NAME=Essai$$          # the pupil who registers
PASSWORD=soleil

passed=0
failed=0
ok() { passed=$((passed + 1)); echo "ok      $*"; }
ko() { failed=$((failed + 1)); echo "ÉCHEC   $*"; }
check() {
    local what=$1
    shift
    if "$@"; then ok "$what"; else ko "$what"; fi
}
die() {
    echo "package-test: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || die "must run as root (it installs and removes the package)"
DEB=$(ls "$BUILD"/package/tavelo_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || die "no package in $BUILD/package: run make package first"
if [ -e "$DATA" ] && [ ! -e "$OWNED" ]; then
    die "$DATA already exists and was not made by this test: a school's data may be there, nothing is done"
fi
if dpkg -s tavelo >/dev/null 2>&1 && [ ! -e "$OWNED" ]; then
    die "the package tavelo is installed here: remove it first (its data stay in $DATA)"
fi
for account in $PUPIL1 $PUPIL2; do
    if id "$account" >/dev/null 2>&1; then
        # Only this script makes these accounts; a run that was killed may have left them.
        userdel "$account" 2>/dev/null || die "the account $account exists and cannot be removed"
    fi
done
group_existed=0
getent group "$GROUP" >/dev/null && group_existed=1

rm -rf "$OUT"
mkdir -p "$OUT"
WORK=$(mktemp -d /tmp/tavelo-package-test.XXXXXX)
chmod 755 "$WORK"
XVFB_PID=
APP_PIDS=()

cleanup() {
    for pid in "${APP_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    if dpkg -s tavelo >/dev/null 2>&1 || dpkg -l tavelo 2>/dev/null | grep -q '^rc'; then
        dpkg --purge tavelo >/dev/null 2>&1
    fi
    for account in $PUPIL1 $PUPIL2; do userdel "$account" 2>/dev/null; done
    if [ -e "$OWNED" ]; then rm -rf "$DATA"; fi
    if [ "$group_existed" -eq 0 ]; then groupdel "$GROUP" 2>/dev/null; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---- lintian ---------------------------------------------------------------------------
echo "== lintian"
if lintian --fail-on error --tag-display-limit 0 "$DEB" >"$OUT/lintian.txt" 2>&1; then
    ok "lintian reports no error"
else
    ko "lintian reports errors"
fi
cat "$OUT/lintian.txt"

# ---- installation ----------------------------------------------------------------------
echo "== installation"
if DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$DEB" >"$OUT/install.log" 2>&1 ||
    { apt-get update -q >>"$OUT/install.log" 2>&1 &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$DEB" >>"$OUT/install.log" 2>&1; }; then
    ok "apt-get installs the package and its dependencies"
else
    cat "$OUT/install.log"
    ko "apt-get installs the package"
    echo "$passed passed, $failed failed"
    exit 1
fi
[ -d "$DATA" ] && touch "$OWNED"

mode_of() { stat -c '%a %U %G' "$1" 2>/dev/null; }
check "group tavelo is a system group" sh -c "[ \$(getent group $GROUP | cut -d: -f3) -lt 1000 ]"
check "/var/lib/tavelo is root:tavelo 2775" [ "$(mode_of $DATA)" = "2775 root $GROUP" ]
check "/var/lib/tavelo/sauvegardes is root:tavelo 2775" [ "$(mode_of $DATA/sauvegardes)" = "2775 root $GROUP" ]
for list in ad.txt profs.txt classes.txt; do
    check "$list copied, 664 root:tavelo" [ "$(mode_of $DATA/$list)" = "664 root $GROUP" ]
    check "$list equals the delivered one" cmp -s "$DATA/$list" "$ROOT/data/$list"
    check "/opt/tavelo/$list leads to $DATA/$list" [ "$(readlink /opt/tavelo/$list)" = "$DATA/$list" ]
done
check "/opt/tavelo/sauvegardes leads to $DATA/sauvegardes" [ "$(readlink /opt/tavelo/sauvegardes)" = "$DATA/sauvegardes" ]
check "tavelo is on the path" [ "$(command -v tavelo)" = /usr/bin/tavelo ]
check "/usr/bin/tavelo leads to /opt/tavelo/tavelo" [ "$(readlink -f /usr/bin/tavelo)" = /opt/tavelo/tavelo ]
for film in ecluse3.avi tsunami3.avi rafale.avi "systeme solaire.avi" engrenage.avi usinage.avi; do
    check "film $film" [ -s "/opt/tavelo/$film" ]
done
check "eight libraries beside the program" [ "$(ls /opt/tavelo/libtavelo_*.so | wc -l)" -eq 8 ]
check "program and libraries are stripped" sh -c '! file -L /opt/tavelo/tavelo /opt/tavelo/*.so | grep -q "not stripped"'
check "every library resolves" sh -c '! ldd /opt/tavelo/tavelo | grep -q "not found"'
check "pictures/LISEZMOI.txt" [ -s /opt/tavelo/pictures/LISEZMOI.txt ]
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/tavelo.png
    check "icon ${size}x${size}" sh -c "identify -format '%wx%h' '$icon' 2>/dev/null | grep -qx '${size}x${size}'"
done
check "menu entry in Education" grep -qx 'Categories=Education;Qt;' /usr/share/applications/tavelo.desktop
if command -v desktop-file-validate >/dev/null; then
    check "menu entry is valid" desktop-file-validate /usr/share/applications/tavelo.desktop
fi
check "manual page" [ -s /usr/share/man/man1/tavelo.1.gz ]

# ---- the program under Xvfb ----------------------------------------------------------------
echo "== the installed program"
DISPLAY_NUMBER=
for n in $(seq 60 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # -noreset: a server that resets when its last client leaves refuses the next
    # one for a moment (the readiness probe, or one program after the other).
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac -noreset >"$OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    # The socket appears before the server takes clients: wait until one connects.
    ready=
    for _ in $(seq 300); do
        kill -0 "$XVFB_PID" 2>/dev/null || break
        if DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
            ready=1
            break
        fi
        sleep 0.1
    done
    if [ -n "$ready" ]; then
        DISPLAY_NUMBER=$n
        break
    fi
    kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=
done
[ -n "$DISPLAY_NUMBER" ] || die "no free X display"
export DISPLAY=":$DISPLAY_NUMBER"
echo "Xvfb on $DISPLAY"

for account in $PUPIL1 $PUPIL2; do
    useradd --create-home --home-dir "$WORK/$account" --shell /usr/sbin/nologin --groups "$GROUP" "$account" ||
        die "cannot create the account $account"
done

# Starts a program as ACCOUNT (root when empty) and waits for the home screen.
start() {
    local account=$1 program=$2 home=$WORK/root
    mkdir -p "$home"
    if [ -n "$account" ]; then
        home=$WORK/$account
        setpriv --reuid="$account" --regid="$GROUP" --init-groups \
            env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 "$program" \
            >"$OUT/$account.log" 2>&1 &
    else
        env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 "$program" >"$OUT/build.log" 2>&1 &
    fi
    APP_PIDS+=($!)
    APP=$!
    for _ in $(seq 150); do
        # The home screen is the program's main window, 792 × 576.
        WINDOW=$(xdotool search --onlyvisible --pid "$APP" --name '' 2>/dev/null |
            while read -r w; do
                [ "$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: //p')" = 792x576 ] && echo "$w"
            done | head -n 1)
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    if [ -z "$WINDOW" ]; then
        echo "no home screen from $program" >&2
        return 1
    fi
    sleep 1.5   # the splash has gone, the window is painted
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    LEFT=$X
    TOP=$Y
}
stop() {
    kill "$APP" 2>/dev/null
    wait "$APP" 2>/dev/null
}
click() {   # x y in the home screen's coordinates
    xdotool mousemove $((LEFT + $1)) $((TOP + $2)) click 1
    sleep 0.4
}

if start "" "$BUILD/bin/tavelo"; then
    import -window root "$OUT/home-build.png"
    stop
    if start "$PUPIL1" tavelo; then
        import -window root "$OUT/home-installed.png"
        differing=$(compare -metric AE "$OUT/home-build.png" "$OUT/home-installed.png" "$OUT/home-difference.png" 2>&1)
        echo "pixels differing between the two home screens: $differing"
        check "the installed program shows the build's home screen" [ "${differing%% *}" -le 50 ]

        # A pupil registers (the console's authorisation is its marker file).
        printf 'autorise\r\n' >"$DATA/sauvegardes/aaadmin-qib.bin"
        chgrp "$GROUP" "$DATA/sauvegardes/aaadmin-qib.bin"
        click 408 199       # élève
        click 400 108       # inscription
        sleep 0.6
        import -window root "$OUT/registration.png"
        # The registration window (560 × 480) is centred on the screen.
        RX=$(((1024 - 560) / 2))
        RY=$(((768 - 480) / 2))
        xdotool mousemove $((RX + 320)) $((RY + 166)) click 1 type --delay 30 "$NAME"
        xdotool mousemove $((RX + 320)) $((RY + 204)) click 1 type --delay 30 "$PASSWORD"
        xdotool mousemove $((RX + 390)) $((RY + 242)) click 1
        sleep 0.5
        xdotool key Down key Return
        sleep 0.3
        import -window root "$OUT/registration-filled.png"
        xdotool mousemove $((RX + 290)) $((RY + 293)) click 1   # Valider
        sleep 0.6
        import -window root "$OUT/registration-confirm.png"
        xdotool key Return                                   # « Oui » : the password is remembered
        record="$DATA/sauvegardes/$NAME-qib.txt"
        for _ in $(seq 30); do [ -e "$record" ] && break; sleep 0.2; done
        import -window root "$OUT/registered.png"
        check "the registration wrote $record" [ -s "$record" ]
        check "the record belongs to $PUPIL1 and the group tavelo" [ "$(stat -c '%U %G' "$record" 2>/dev/null)" = "$PUPIL1 $GROUP" ]
        check "the record names the pupil" grep -q "$NAME" "$record"
        stop

        # A second account of the group logs in as that pupil; back home, his record
        # is saved again, now by that account.
        if start "$PUPIL2" tavelo; then
            click 408 199                       # élève
            click 120 266                       # the pupil, first of the list
            click 540 258                       # the teacher, first of the list
            xdotool mousemove $((LEFT + 356)) $((TOP + 331)) click 1 type --delay 30 "$PASSWORD"
            xdotool key Return                  # Entrez !
            sleep 1
            import -window root "$OUT/board.png"
            click 588 534                       # Retour menu
            sleep 0.5
            import -window root "$OUT/board-saved.png"
            check "a second account of the group rewrote the record" \
                [ "$(stat -c '%U %G' "$record" 2>/dev/null)" = "$PUPIL2 $GROUP" ]
            check "the rewritten record still names the pupil" grep -q "$NAME" "$record"
            stop
        else
            ko "the installed program starts for $PUPIL2"
        fi
    else
        ko "the installed program starts for $PUPIL1 and shows the home screen"
    fi
else
    ko "the build's program shows the home screen"
fi
check "no stray file in the record folder" sh -c "! ls -A '$DATA/sauvegardes' | grep -v -e '-qib.txt\$' -e '^aaadmin-qib.bin\$'"

# ---- removal, reinstallation, purge ------------------------------------------------------------
fingerprint() { (cd "$DATA" && find . -path ./.package-test -prune -o -type f -print0 | sort -z | xargs -0 sha256sum); }
# A school's own list: the reinstallation below must keep it, not the delivered one.
printf 'M. Essai\r\n' >>"$DATA/profs.txt"
fingerprint >"$OUT/data-before.txt"
echo "== dpkg -r"
dpkg -r tavelo >"$OUT/remove.log" 2>&1
check "dpkg -r removes the program" [ ! -e /opt/tavelo/tavelo ]
fingerprint >"$OUT/data-removed.txt"
check "dpkg -r leaves every record and list" cmp -s "$OUT/data-before.txt" "$OUT/data-removed.txt"
echo "== dpkg -i again"
dpkg -i "$DEB" >"$OUT/reinstall.log" 2>&1
check "dpkg -i installs it again" dpkg -s tavelo
fingerprint >"$OUT/data-reinstalled.txt"
check "the reinstallation replaces no record or list" cmp -s "$OUT/data-before.txt" "$OUT/data-reinstalled.txt"
check "the data folder keeps its group and mode" [ "$(mode_of $DATA)" = "2775 root $GROUP" ]
echo "== dpkg --purge"
dpkg --purge tavelo >"$OUT/purge.log" 2>&1
check "dpkg --purge removes the package" sh -c '! dpkg -s tavelo >/dev/null 2>&1'
fingerprint >"$OUT/data-purged.txt"
check "dpkg --purge leaves every record and list" cmp -s "$OUT/data-before.txt" "$OUT/data-purged.txt"
check "records are still there" [ -n "$(ls "$DATA"/sauvegardes/*-qib.txt 2>/dev/null)" ]

echo "package-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
