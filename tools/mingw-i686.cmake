# Cross build of the Windows program with mingw-w64 (PE32, i686).
set(LVX_CIBLE i686)
# Debian's wine script would do as well here; the loader is named as for the
# other build.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
