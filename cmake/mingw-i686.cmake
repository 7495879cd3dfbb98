# Windows i686: the 64-bit build runs the tests under Wine, the 32-bit one is the shipped setup.
set(QRV_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
