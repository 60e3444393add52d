# 64-bit Windows, for running the Windows tests where the host cannot run 32-bit programs
# (the product itself is always the 32-bit build).
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
