# Cross-compiles for Windows with MinGW-w64 GCC for QRV_MINGW_ARCH and the thread model
# QRV_MINGW_THREADS (posix or win32), set by the toolchain file that includes this one; programs
# built here run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QRV_MINGW_ARCH})
set(CMAKE_C_COMPILER ${QRV_MINGW_ARCH}-w64-mingw32-gcc-${QRV_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${QRV_MINGW_ARCH}-w64-mingw32-g++-${QRV_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${QRV_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QRV_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
