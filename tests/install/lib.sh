# Shared by the install tests: temporary folders, read-only runs of the game
# and the checks on where its files went. Sourced, not run.
set -euo pipefail
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
SCRIPTS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/scripts"
SKIP=77  # CTest's skip status for these tests

WORK="$(mktemp -d /tmp/tesmoria-install-XXXXXX)"
cleanup() { chmod -R u+w "$WORK" 2>/dev/null || true; rm -rf "$WORK"; }
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A fresh home for the player, so no run ever touches the real one.
fresh_home() {
  export HOME="$WORK/home" XDG_DATA_HOME="$WORK/xdg"
  rm -rf "$HOME" "$XDG_DATA_HOME"
  mkdir -p "$HOME"
}

# How to make a folder read-only for one run, worked out once: a read-only
# bind mount in a user namespace, else (not root) the permissions.
read_only_method() {
  local probe="$WORK/probe"
  mkdir -p "$probe"
  if unshare --user --map-root-user --mount bash -c \
      'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && ! touch "$0/x" 2>/dev/null' "$probe" 2>/dev/null; then
    echo mount
  elif [ "$(id -u)" -ne 0 ]; then
    echo chmod
  else
    echo none
  fi
}
RO_METHOD="$(read_only_method)"

# run_read_only DIR COMMAND...: runs COMMAND while DIR cannot be written.
run_read_only() {
  local dir="$1"; shift
  case "$RO_METHOD" in
    mount)
      unshare --user --map-root-user --mount bash -c \
        'd="$1"; shift; mount --bind "$d" "$d" && mount -o remount,bind,ro "$d" && exec "$@"' run "$dir" "$@" ;;
    chmod)
      chmod -R a-w "$dir"
      local rc=0
      "$@" || rc=$?
      chmod -R u+w "$dir"
      return $rc ;;
    *)
      echo "no way to make $dir read-only here (not root, no user namespaces): skipped" >&2
      exit $SKIP ;;
  esac
}

# play PROGRAM SCRIPT [read-only DIR]: a headless scripted run that must pass.
play() {
  local program="$1" script="$2" ro="${3:-}"
  if [ -n "$ro" ]; then
    run_read_only "$ro" "$program" --headless --script "$SCRIPTS/$script" || fail "$script on a read-only $ro"
  else
    "$program" --headless --script "$SCRIPTS/$script" || fail "$script"
  fi
}

# A listing of every file with its size and checksum, to prove a folder
# was left exactly as it was.
snapshot() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r md5sum) ; }
