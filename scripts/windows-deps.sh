# What the Windows build needs besides the sources: the MinGW-w64 cross compiler, Wine to
# run the result, a static Qt Core and a static SQLite built for MinGW from the same
# Debian source packages as the Linux build's libraries, and GoogleTest built for MinGW
# from the sources of Debian's libgtest-dev for the unit tests. Sourced by
# scripts/windows-build after common.sh.
#
# Everything built lands in the cache folder (outside the checkout) and is reused: each
# finished step leaves a stamp file, and a step whose stamp is there is skipped.
#
#   $KSE_WINDOWS_CACHE/qt6-mingw      static Qt Core (bin/qt-cmake, lib/cmake/Qt6, ...)
#   $KSE_WINDOWS_CACHE/sqlite-mingw   include/sqlite3.h, lib/libsqlite3.a
#   $KSE_WINDOWS_CACHE/gtest-mingw    GoogleTest (lib/cmake/GTest, ...)
#
# The configure preset windows (CMakePresets.json) builds the program against them: it
# takes Qt's toolchain file, chain-loading cmake/mingw-w64-x86_64.cmake, and the SQLite and
# GoogleTest above from the folder that the environment variable KSE_WINDOWS_CACHE names,
# which is exported here.
# shellcheck shell=bash

# Debian packages for the Windows build and its tests.
KSE_WINDOWS_PACKAGES=(
    # cross compiler and linker (GCC 12, POSIX threads)
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    # build tools; dpkg-dev for apt-get source, xz-utils for the source tarballs
    cmake ninja-build make dpkg-dev xz-utils
    # the host Qt: its tools (moc, rcc, ...) serve the cross build, and its version is
    # the one built for Windows
    qt6-base-dev qt6-base-dev-tools
    # the SQLite version built for Windows; host gcc and tcl generate its amalgamation
    libsqlite3-dev gcc tcl
    # GoogleTest's sources (/usr/src/googletest), built for Windows for the unit tests
    libgtest-dev
    # runs the Windows program and its tests
    wine64
    # signs a release's exe and checks the signature (scripts/sign-exe and its test)
    osslsigncode openssl
)

export KSE_WINDOWS_CACHE=${KSE_WINDOWS_CACHE:-$HOME/.cache/kse-windows}
KSE_QT_MINGW=$KSE_WINDOWS_CACHE/qt6-mingw
KSE_SQLITE_MINGW=$KSE_WINDOWS_CACHE/sqlite-mingw
KSE_GTEST_MINGW=$KSE_WINDOWS_CACHE/gtest-mingw
KSE_WINDOWS_TOOLCHAIN=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-x86_64.cmake

# The host Qt, whose tools the cross-built Qt uses.
KSE_HOST_QT_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

# Source package versions: those of the installed Linux libraries.
kse_source_version() { # BINARY_PACKAGE
    dpkg-query -W -f='${source:Version}' "$1"
}

# ---------------------------------------------------------------------------------------
# Sources

# Private apt configuration in the cache: a deb-src entry for every Debian archive entry of
# the system's own sources (same URIs, suites and components), its own lists and its own
# download cache. The system's apt configuration is never touched.
kse_private_apt_options() {
    local apt=$KSE_WINDOWS_CACHE/apt
    printf '%s\n' \
        -o "Dir::Etc::SourceList=$apt/sources.list" \
        -o "Dir::Etc::SourceParts=$apt/sources.list.d" \
        -o "Dir::State::Lists=$apt/lists" \
        -o "Dir::Cache=$apt/cache"
    # apt hands downloads to the user _apt, who cannot write into root's home
    [ "$(id -u)" -ne 0 ] || printf '%s\n' -o APT::Sandbox::User=root
}

# Writes the deb-src entries. apt itself reads the system's sources (sources.list and
# sources.list.d, both formats) and tells which entries are Debian's archive (Origin:
# Debian in the entry's Release file).
kse_debian_archive_entries() { # prints "URI SUITE COMPONENT" lines
    # shellcheck disable=SC2016 # apt's own field references, not the shell's
    apt-get indextargets --format '$(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Created-By: Packages' | awk '$1 == "Debian" { print $2, $3, $4 }' | sort -u
}

kse_write_private_sources() {
    local apt=$KSE_WINDOWS_CACHE/apt entries
    entries=$(kse_debian_archive_entries)
    if [ -z "$entries" ]; then
        # the system's lists have not been fetched yet, so no entry has its Release file
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo)
        "${sudo[@]}" apt-get update -qq
        entries=$(kse_debian_archive_entries)
    fi
    if [ -z "$entries" ]; then
        echo "error: the system's apt sources have no Debian archive entry to fetch sources from" >&2
        return 1
    fi
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
    : >"$apt/sources.list"
    # one stanza per URI and suite, with all of its components
    awk '{ key = $1 " " $2; if (!(key in comps)) order[n++] = key; comps[key] = comps[key] " " $3 }
         END {
             for (i = 0; i < n; i++) {
                 split(order[i], f, " ")
                 print "Types: deb-src"
                 print "URIs: " f[1]
                 print "Suites: " f[2]
                 print "Components:" comps[order[i]]
                 print "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
                 print ""
             }
         }' <<<"$entries" >"$apt/sources.list.d/debian-src.sources.new"
    mv "$apt/sources.list.d/debian-src.sources.new" "$apt/sources.list.d/debian-src.sources"
}

kse_update_private_lists() {
    local options
    mapfile -t options < <(kse_private_apt_options)
    kse_write_private_sources
    apt-get "${options[@]}" update -qq
    touch "$KSE_WINDOWS_CACHE/apt/lists.fetched"
}

# kse_fetch_source SOURCE_PACKAGE VERSION: downloads the source package (.dsc, orig
# tarball, Debian tarball) into $KSE_WINDOWS_CACHE/src, unless already there.
kse_fetch_source() {
    local package=$1 version=$2
    local src=$KSE_WINDOWS_CACHE/src
    local stamp=$src/${package}_${version}.fetched
    [ -f "$stamp" ] && return 0
    mkdir -p "$src"
    local options started=$SECONDS
    mapfile -t options < <(kse_private_apt_options)
    [ -f "$KSE_WINDOWS_CACHE/apt/lists.fetched" ] || kse_update_private_lists
    echo "Fetching source package $package $version"
    # lists fetched before the system's package was upgraded do not know its version yet
    (cd "$src" && apt-get "${options[@]}" source --download-only -qq "$package=$version") || {
        kse_update_private_lists
        (cd "$src" && apt-get "${options[@]}" source --download-only -qq "$package=$version")
    }
    touch "$stamp"
    echo "Fetched $package in $((SECONDS - started)) s"
}

kse_fetch_windows_sources() {
    kse_fetch_source qt6-base "$(kse_source_version qt6-base-dev)"
    kse_fetch_source sqlite3 "$(kse_source_version libsqlite3-dev)"
}

# kse_unpack_source SOURCE_PACKAGE VERSION DIR: unpacks the source package into DIR with
# Debian's patches applied.
kse_unpack_source() {
    local package=$1 version=$2 dir=$3
    rm -rf "$dir"
    mkdir -p "$(dirname "$dir")"
    # the files were checked against the signed archive index when apt fetched them
    dpkg-source --no-check -x "$KSE_WINDOWS_CACHE/src/${package}_${version#*:}.dsc" "$dir" >/dev/null
}

# kse_unpack_orig SOURCE_PACKAGE VERSION DIR: unpacks only the upstream tarball into DIR.
kse_unpack_orig() {
    local package=$1 version=$2 dir=$3
    rm -rf "$dir"
    mkdir -p "$dir"
    tar -xf "$(kse_orig_archive "$package" "$version")" -C "$dir" --strip-components=1
}

# kse_orig_archive SOURCE_PACKAGE VERSION: the upstream tarball of the source package.
kse_orig_archive() {
    local upstream=${2#*:}
    echo "$KSE_WINDOWS_CACHE/src/${1}_${upstream%-*}.orig.tar.xz"
}

# ---------------------------------------------------------------------------------------
# Static Qt Core for MinGW

# Qt Core only: every other module and every feature that would need a library beyond
# Windows' own is off; PCRE2, zlib and double-conversion are the copies bundled with Qt.
# "xml" is the Qt Xml module; QXmlStreamReader is Qt Core's "xmlstreamreader" and stays.
# "relocatable": QtCore keeps no install prefix (no "qt_prfxpath=" + the cache folder), so
# the exe does not depend on where the cache is; with the folders of Qt's sources and build
# mapped to fixed names (-ffile-prefix-map below), no path of the builder's machine is left.
KSE_QT_MINGW_FEATURES=(
    -DFEATURE_relocatable=ON
    -DFEATURE_gui=OFF -DFEATURE_widgets=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_icu=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_xmlstream=ON -DFEATURE_xmlstreamreader=ON -DFEATURE_xmlstreamwriter=ON
)

# Bumped whenever the way Qt is built changes, so that a cache built the old way is rebuilt.
KSE_QT_MINGW_RECIPE=2

kse_build_qt_mingw() {
    local version
    version=$(kse_source_version qt6-base-dev)
    local stamp=$KSE_QT_MINGW/.kse-built-$version-recipe$KSE_QT_MINGW_RECIPE
    [ -f "$stamp" ] && return 0
    kse_fetch_source qt6-base "$version"

    echo "Building static Qt Core $version for MinGW (a few minutes)"
    local started=$SECONDS
    local work=$KSE_WINDOWS_CACHE/build/qt6-base
    # Upstream source without Debian's patches: they mend the GUI, network and SQL modules
    # and Debian's own packaging, none of which is built here.
    kse_unpack_orig qt6-base "$version" "$work/src"
    rm -rf "$KSE_QT_MINGW"
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$KSE_WINDOWS_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$KSE_QT_MINGW" \
        -DQT_HOST_PATH=/usr \
        -DQt6HostInfo_DIR="$KSE_HOST_QT_CMAKE_DIR/Qt6HostInfo" \
        -DQT_HOST_PATH_CMAKE_DIR="$KSE_HOST_QT_CMAKE_DIR" \
        -DBUILD_SHARED_LIBS=OFF \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=qt6-base" \
        -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=qt6-base" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        "${KSE_QT_MINGW_FEATURES[@]}" >"$work/configure.log"
    # all targets, not only Core: the install also wants the entry-point library
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build" >"$work/install.log"
    cp "$work/build/config.summary" "$KSE_QT_MINGW/"
    rm -rf "$work"
    rmdir --ignore-fail-on-non-empty "$KSE_WINDOWS_CACHE/build"
    touch "$stamp"
    echo "Qt Core built in $((SECONDS - started)) s"
}

# ---------------------------------------------------------------------------------------
# Static SQLite for MinGW

# SQLite's compile-time options. The program only reads: it opens the installation's
# database read-only with flags (never as a URI: a name beginning with "file:" is passed as
# "./file:..."), prepares one statement without parameters per table, SELECT * of an ordinary
# table, and takes each value's text, on one thread. What stays of the options of Debian's
# libsqlite3, which the Linux build links, is what decides whether a schema loads and what a
# value reads as, so that both builds read any database alike and dump the same bytes.
KSE_SQLITE_MINGW_DEFINES=(
    # a view that names the rowid of another view or of a subquery works, as on Linux
    -DSQLITE_ALLOW_ROWID_IN_VIEW
    # LIKE never matches a blob, as on Linux (in a view, for instance)
    -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    # the math functions and soundex(): a view or a computed (virtual generated) column may
    # call them, and without them reading such a column fails
    -DSQLITE_ENABLE_MATH_FUNCTIONS -DSQLITE_SOUNDEX=1
    # how often a statement is prepared again when another program changes the schema while
    # it is being read
    -DSQLITE_MAX_SCHEMA_RETRY=25
    # SQLite's own defaults, named so that a later version's defaults cannot part the two
    # builds: mutexes compiled in (the connection is opened without its own), a query's
    # temporary tables in files unless PRAGMA temp_store says otherwise
    -DSQLITE_THREADSAFE=1 -DSQLITE_TEMP_STORE=1
    # no lookaside memory per connection, as Debian builds it: less code, the same results
    -DSQLITE_OMIT_LOOKASIDE=1
    # not in Debian's build, and without effect on what is read: no code to load extensions
    # (the program never allows it) and no memory statistics (never asked for)
    -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_MEMSTATUS=0
)
# Left out, since reading two ordinary tables does not need them:
# - the modules of virtual tables: FTS3 and FTS4 (with their tokenizer and parenthesis
#   options), FTS5, R*Tree, dbstat and sqlite_stmt. Loading the schema only records such a
#   table; its module is looked up when the table itself is read, so a database with such
#   tables beside the two tables reads and exports the same without them (checked under Wine
#   with FTS3, FTS4, FTS5 and R*Tree tables);
# - what only writing uses: secure delete, the pre-update hook and sessions, UPDATE and
#   DELETE with LIMIT (statements the program never runs; a trigger's statements take no
#   LIMIT, so no schema needs it);
# - interfaces the program does not call: column metadata, unlock notification, extension
#   loading, URI file names, and room for 250,000 parameters in a statement;
# - SQLITE_ENABLE_JSON1, which names what SQLite builds in anyway: the JSON functions stay.

# The cache's SQLite is built again whenever these options change.
kse_sqlite_mingw_options_hash() {
    printf '%s\n' "${KSE_SQLITE_MINGW_DEFINES[@]}" | sha256sum | cut -c1-12
}

kse_build_sqlite_mingw() {
    local version
    version=$(kse_source_version libsqlite3-dev)
    local stamp
    stamp=$KSE_SQLITE_MINGW/.kse-built-$version-options-$(kse_sqlite_mingw_options_hash)
    [ -f "$stamp" ] && return 0
    kse_fetch_source sqlite3 "$version"

    echo "Building static SQLite $version for MinGW"
    local started=$SECONDS
    local work=$KSE_WINDOWS_CACHE/build/sqlite3
    # with Debian's patches: they carry the security fixes of the Linux library
    kse_unpack_source sqlite3 "$version" "$work/src"
    # The amalgamation (sqlite3.c, sqlite3.h) is generated from the source tree by host
    # tools (lemon, mkkeywordhash, tclsh).
    mkdir -p "$work/host"
    (cd "$work/host" && "$work/src/configure" --disable-tcl >configure.log &&
        make -j"$(nproc)" sqlite3.c >make.log)
    rm -rf "$KSE_SQLITE_MINGW"
    mkdir -p "$KSE_SQLITE_MINGW/include" "$KSE_SQLITE_MINGW/lib"
    x86_64-w64-mingw32-gcc-posix -O2 -fno-strict-aliasing -c "${KSE_SQLITE_MINGW_DEFINES[@]}" \
        "$work/host/sqlite3.c" -o "$work/sqlite3.o"
    x86_64-w64-mingw32-ar rcs "$KSE_SQLITE_MINGW/lib/libsqlite3.a" "$work/sqlite3.o"
    cp "$work/host/sqlite3.h" "$work/host/sqlite3ext.h" "$KSE_SQLITE_MINGW/include/"
    rm -rf "$work"
    rmdir --ignore-fail-on-non-empty "$KSE_WINDOWS_CACHE/build"
    touch "$stamp"
    echo "SQLite built in $((SECONDS - started)) s"
}

# ---------------------------------------------------------------------------------------
# GoogleTest for MinGW, from the sources Debian's libgtest-dev ships

kse_build_gtest_mingw() {
    local version
    version=$(dpkg-query -W -f='${Version}' libgtest-dev)
    local stamp=$KSE_GTEST_MINGW/.kse-built-$version
    [ -f "$stamp" ] && return 0
    echo "Building GoogleTest $version for MinGW"
    local work=$KSE_WINDOWS_CACHE/build/googletest
    rm -rf "$work" "$KSE_GTEST_MINGW"
    cmake -S /usr/src/googletest -B "$work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$KSE_WINDOWS_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$KSE_GTEST_MINGW" \
        -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$work" --parallel "$(nproc)" >/dev/null
    cmake --install "$work" >/dev/null
    rm -rf "$work"
    rmdir --ignore-fail-on-non-empty "$KSE_WINDOWS_CACHE/build"
    touch "$stamp"
}

# ---------------------------------------------------------------------------------------

# Installs what is missing and builds Qt, SQLite and GoogleTest for MinGW when not yet built.
kse_prepare_windows_toolchain() {
    install_missing_packages "${KSE_WINDOWS_PACKAGES[@]}"
    kse_fetch_windows_sources
    kse_build_qt_mingw
    kse_build_sqlite_mingw
    kse_build_gtest_mingw
}

# kse_wine_prefix PREFIX: creates the Wine prefix PREFIX when missing and keeps a
# wineserver running in it, so that each later run of a Windows program takes a fraction of
# a second instead of half a second. Inside the prefix C:\ProgramData is
# PREFIX/drive_c/ProgramData, and the user's Desktop (drive_c/users/$USER/Desktop) is a link
# to $HOME/Desktop, or to $HOME when that folder is missing, as they are when the prefix is
# created.
kse_wine_prefix() {
    local prefix=$1
    if [ ! -f "$prefix/system.reg" ]; then
        # no Mono or Gecko: their installers would ask
        WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml=' \
            /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
        # the server that wineboot started ends a few seconds later; a new one can then stay
        WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -w
    fi
    # Fails (status 2) while the prefix already has a server, persistent or not. The server
    # must not hold the caller's output open, or whoever reads it would wait for the server.
    WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1 || true
    # The first program started in the prefix also starts Wine's own background programs,
    # which stay; they are started here, away from any output that someone reads.
    WINEPREFIX=$prefix WINEDEBUG=-all /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
}
