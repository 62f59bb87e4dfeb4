# Shared settings of the project scripts; sourced, never run.
# The caches live outside the checkout so a fresh clone (CI) reuses them.
VAMIRE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VAMIRE_CACHE=${VAMIRE_CACHE:-/var/cache/vamire}

# The console is a 32-bit program. A machine whose kernel cannot run 32-bit Linux
# programs cannot run the 32-bit Wine either; there the same sources are built
# for x86_64 and run under the 64-bit Wine.
vamire_can_run_i386() {
  local probe="$VAMIRE_CACHE/probe-i386"
  if [ ! -x "$probe" ]; then
    mkdir -p "$VAMIRE_CACHE"
    printf '.globl _start\n_start: movl $1,%%eax\n movl $0,%%ebx\n int $0x80\n' > "$probe.s"
    as --32 "$probe.s" -o "$probe.o" 2>/dev/null && ld -m elf_i386 "$probe.o" -o "$probe" 2>/dev/null || return 1
  fi
  "$probe" 2>/dev/null
}
if [ -z "${VAMIRE_ARCH:-}" ]; then
  if vamire_can_run_i386; then VAMIRE_ARCH=i686; else VAMIRE_ARCH=x86_64; fi
fi
export VAMIRE_ARCH VAMIRE_CACHE VAMIRE_ROOT
# Compiler cache hits across checkouts (CI builds in a fresh clone each time).
export CCACHE_BASEDIR="$VAMIRE_ROOT" CCACHE_NOHASHDIR=1

if [ "$VAMIRE_ARCH" = i686 ]; then
  VAMIRE_WINE=/usr/lib/wine/wine
  VAMIRE_WINESERVER=/usr/lib/wine/wineserver32
  export WINEARCH=win32
else
  VAMIRE_WINE=/usr/lib/wine/wine64
  VAMIRE_WINESERVER=/usr/lib/wine/wineserver64
  export WINEARCH=win64
fi
export VAMIRE_WINE VAMIRE_WINESERVER
# Prefixes are named after the script that makes them, so checkouts with different
# prefix set-ups (a branch changing fonts, say) each get their own and never remake
# one another's under a running test.
# VAMIRE_SLOT gives a checkout prefixes (and so a wineserver, with its own active
# window) of its own, for test runs side by side on one machine.
VAMIRE_PREFIX_KEY=$(sha1sum < "$VAMIRE_ROOT/scripts/make-prefix" | cut -c1-12)${VAMIRE_SLOT:+-$VAMIRE_SLOT}
VAMIRE_PREFIX_PLAIN="$VAMIRE_CACHE/wine-$VAMIRE_ARCH-$VAMIRE_PREFIX_KEY"
VAMIRE_PREFIX_THEMED="$VAMIRE_CACHE/wine-$VAMIRE_ARCH-$VAMIRE_PREFIX_KEY-themed"
VAMIRE_TOOLCHAIN="$VAMIRE_ROOT/cmake/mingw-$VAMIRE_ARCH.cmake"
VAMIRE_BUILD="${VAMIRE_BUILD:-$VAMIRE_ROOT/build/$VAMIRE_ARCH}"
VAMIRE_BUILD_NATIVE="${VAMIRE_BUILD_NATIVE:-$VAMIRE_ROOT/build/native}"
export VAMIRE_PREFIX_PLAIN VAMIRE_PREFIX_THEMED
# The slot's device peer (tests/support/devicepeer.py): the folder of the links the
# prefixes map COM5..COM8 to, and the ports the programs under Wine reach it on.
# Python comes with bootstrap; until then there is no peer to find.
if command -v python3 >/dev/null; then
  eval "$(python3 "$VAMIRE_ROOT/tests/support/devicepeer.py" env)"
  export VAMIRE_PEER_PORTS VAMIRE_PEER_PORT VAMIRE_BRIDGE_PORT
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The X display used by tests and the console when none is given.
VAMIRE_XVFB_DISPLAY=${VAMIRE_XVFB_DISPLAY:-:77}

vamire_start_xvfb() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then return 0; fi
  export DISPLAY=$VAMIRE_XVFB_DISPLAY
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}
