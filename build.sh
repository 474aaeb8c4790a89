#!/usr/bin/env bash
# Sets up a Debian machine for Tavi Velmora, builds it, and runs it or its tests.
#   ./build.sh run             install what is missing, build, start the program
#   ./build.sh test            install what is missing, build, run the whole test suite
#                              (VELMORA_SMOKE_TESTS=skip leaves out the real-window smoke tests)
#   ./build.sh test-sanitized  the suite without the smoke tests, with AddressSanitizer and
#                              UndefinedBehaviorSanitizer
#   ./build.sh package         build the Debian package (in build/, as test left it), install it, and
#                              check the installed program, its real-window smoke tests included
#   ./build.sh fuzz [seconds]  fuzz the report reader, the CSV reader, the reminder value, the folding
#                              of names, the people --compare takes, the hand-over, the calendar's
#                              span, --find and file, what the name variants read, the client
#                              book's search and the import of a CSV of clients, with clang,
#                              libFuzzer and the sanitizers (default 30 s, shared among them)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

command=${1:-run}
# What building and running the program need; the other commands add theirs.
# Qt's SQLite and PostgreSQL drivers are plugins loaded at run time by the client book.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev libical-dev libqt6sql6-sqlite
          libqt6sql6-psql)
# The benchmarks are built with the tests (not run), so they cannot rot: hence
# libbenchmark-dev here; bash-completion, so that the completion test runs;
# python3-odf reads back the OpenDocument copy of the report; postgresql,
# whose server the client book's tests start in a temporary folder.
# qt6-svg-dev: an SVG logo on the report; the package's dependency on its
# library comes from the binaries.
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils adwaita-qt6
               poppler-utils groff fonts-dejavu-core fonts-liberation fonts-noto-core
               dbus-daemon libglib2.0-bin xclip at-spi2-core python3-pyatspi sway wtype grim qt6-wayland
               python3-icalendar khal locales bash-completion python3-odf postgresql)

install_missing() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root, then run this again:" >&2
        echo "    sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        echo "(or run the whole command as root: sudo $0 $command)" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() { # folder, extra cmake options..., [--target TARGET]
    local folder=$1 options=() target=()
    shift
    while [ $# -gt 0 ]; do
        if [ "$1" = --target ]; then target=(--target "$2"); shift 2; else options+=("$1"); shift; fi
    done
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
    cmake --build "$folder" "${target[@]}" -- -j"$(nproc)"
}

# The tests that need a runtime folder get the build's own from CTest.
run_tests() { # folder, ctest options...
    local folder=$1
    shift
    ctest --test-dir "$folder" --output-on-failure -j"$(nproc)" "$@"
}

case $command in
run)
    # Only the program: no tests, benchmarks or tools. A later test run in the
    # same folder builds the rest and reuses what is built here.
    install_missing
    build build -DBUILD_TESTING=OFF --target tavi-velmora
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No display found: Tavi Velmora is a desktop program and needs a graphical session." >&2
        echo "Start it from a desktop terminal, or set DISPLAY (X11) or WAYLAND_DISPLAY." >&2
        echo "It is built and ready at build/app/tavi-velmora." >&2
        exit 1
    fi
    exec build/app/tavi-velmora
    ;;
test)
    packages+=("${test_packages[@]}")
    install_missing
    build build -DBUILD_TESTING=ON -DVELMORA_BENCH=ON
    if [ "${VELMORA_SMOKE_TESTS:-}" = skip ]; then run_tests build -LE smoke; else run_tests build; fi
    ;;
test-sanitized)
    packages+=("${test_packages[@]}")
    install_missing
    # The widget tests run under the sanitizers too; the smoke tests drive the
    # real windows from outside and run against the installed package instead.
    # At -O1 with line tables the sanitizers check the same code and name file and line; it builds in
    # about 60 % of the time of -O2 -g (app/frmmain.cpp: 31 s against 53 s).
    build build-sanitized -DVELMORA_SANITIZE=ON -DBUILD_TESTING=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        run_tests build-sanitized -LE smoke
    ;;
package)
    packages+=("${test_packages[@]}" dpkg-dev desktop-file-utils appstream file lintian)
    install_missing
    # The same folder and options as test: after a test run nothing is built again.
    build build -DBUILD_TESTING=ON -DVELMORA_BENCH=ON
    rm -f build/tavi-velmora_*.deb
    (cd build && cpack -G DEB >/dev/null)
    deb=$(ls build/tavi-velmora_*.deb)
    echo "Built $deb ($(du -k "$deb" | cut -f1) KiB)"
    # Debian's own checks: any error or warning fails the build.
    lintian --fail-on error,warning --tag-display-limit 0 "$deb"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Install it as root to check it: sudo apt-get install ./$deb" >&2
        exit 0
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null
    tests/package/check-installed.sh /usr
    ;;
fuzz)
    packages+=(clang llvm)
    install_missing
    # The sanitizer and libFuzzer runtimes of the clang that is installed.
    clang_major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
    packages+=("libclang-rt-$clang_major-dev")
    install_missing
    tests/fuzz/run-fuzz.sh "${2:-30}"
    ;;
*)
    echo "usage: $0 [run|test|test-sanitized|package|fuzz [seconds]]" >&2
    exit 2
    ;;
esac
