# Cross-builds for 64-bit ARM Linux (Debian's arm64) with Debian's cross-compiler, against the
# arm64 Qt installed beside the machine's own (multiarch). Qt's host tools (moc, uic, rcc,
# lrelease) are the machine's own Qt's. The programs run under qemu-aarch64, which finds the
# arm64 loader and libraries on the multiarch paths: no kernel handler is needed.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
# pkg-config (which Qt's CMake packages ask for xkbcommon) reads the arm64 libraries' files.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
    OUTPUT_VARIABLE build_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${build_multiarch}/cmake)
