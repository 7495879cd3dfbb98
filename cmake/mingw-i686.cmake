# Windows i686: the 64-bit build runs the tests under Wine, the 32-bit one is the shipped setup.
# The win32 thread model: the programs use no C++ threads, and the posix model would link the
# threads library (31 KiB), which its runtime calls even then.
set(QRV_MINGW_ARCH i686)
set(QRV_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
