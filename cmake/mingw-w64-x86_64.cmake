# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (GCC, POSIX thread model).
#
# Used to build the static Qt Core for Windows and, through Qt's own qt.toolchain.cmake
# (which loads this file), the exporter itself. Libraries, headers and packages are looked
# up only below the MinGW root and whatever the caller adds to CMAKE_FIND_ROOT_PATH (Qt's
# toolchain file adds its install prefix); programs come from the host, so the host Qt
# tools (moc, rcc, ...) are still found.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KSE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KSE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KSE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KSE_MINGW_TRIPLE}-windres)

if(NOT /usr/${KSE_MINGW_TRIPLE} IN_LIST CMAKE_FIND_ROOT_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KSE_MINGW_TRIPLE})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The exe must run without any DLL beside it: libstdc++, libgcc and winpthread are linked
# in, so it imports only DLLs that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Test programs built for Windows run under Wine (CTest, gtest_discover_tests). The
# caller's environment chooses the Wine prefix (WINEPREFIX).
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEDEBUG=-all /usr/lib/wine/wine64)
endif()
