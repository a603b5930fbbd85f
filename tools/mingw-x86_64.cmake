# Cross build of the 64-bit twin with mingw-w64 (PE32+, x86_64): the same
# sources and file names as the i686 build.
set(LVX_CIBLE x86_64)
# Debian's wine script picks the i386 loader whenever wine32 is installed.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
