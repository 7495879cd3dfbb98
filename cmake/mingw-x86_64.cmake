# Windows x86_64: the 64-bit build runs the tests under Wine, the 32-bit one is the shipped setup.
set(QRV_MINGW_ARCH x86_64)
set(QRV_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
