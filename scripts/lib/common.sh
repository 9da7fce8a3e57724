# Shared by the scripts: where things are, and how to say so.
VQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VQ_BUILD=${VQ_BUILD:-$VQ_ROOT/build}

say() { printf '%s\n' "$*" >&2; }
die() { say "error: $*"; exit 1; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# True when this kernel runs 32-bit x86 programs, which 32-bit Wine needs.
can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
