# What the two Windows toolchain files share: Debian's mingw-w64 compilers for the
# target named by velorinMingw, in the posix thread model (which has std::mutex
# and std::thread), and its libraries only.
set (CMAKE_SYSTEM_NAME Windows)

set (CMAKE_C_COMPILER ${velorinMingw}-gcc-posix)
set (CMAKE_CXX_COMPILER ${velorinMingw}-g++-posix)
set (CMAKE_RC_COMPILER ${velorinMingw}-windres)

set (CMAKE_FIND_ROOT_PATH /usr/${velorinMingw})
set (CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set (CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set (CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set (CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
