# Sourced by run.sh and run-tests.sh: under sudo, the build, the tests and the program run
# as the user who called sudo, never as root, so the program keeps that user's data and
# settings and the build folder stays theirs.

# True when running as root for somebody else (sudo from a normal account).
under_sudo() {
    [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ] && id "$SUDO_USER" >/dev/null 2>&1
}

# Runs the script again as $SUDO_USER, with the packages already installed. Folders an
# earlier run as root left in the repository are handed to that user first.
rerun_as_sudo_user() {
    local dir
    for dir in build build-asan; do
        if [ -d "$dir" ] && [ -n "$(find "$dir" -maxdepth 2 ! -user "$SUDO_USER" -print -quit)" ]; then
            echo "Handing $dir/ (built as root) to $SUDO_USER."
            chown -R "$SUDO_USER": "$dir"
        fi
    done
    echo "Continuing as $SUDO_USER (not as root)."
    exec runuser -u "$SUDO_USER" -- env PLUMBLINE_DEPS_DONE=1 bash "$@"
}

# The build folder: build/ in the repository when this user can write there, else one in
# the user's cache folder (a repository checked out by root, say).
choose_build_dir() {
    if { [ -d build ] && [ -w build ]; } || { [ ! -e build ] && [ -w . ]; }; then
        echo build
    else
        echo "${XDG_CACHE_HOME:-$HOME/.cache}/plumbline/build"
    fi
}
