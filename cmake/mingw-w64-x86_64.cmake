# Cross-compiles for 64-bit Windows with Debian's mingw-w64 toolchain
# (g++-mingw-w64-x86-64). Used by the "windows" preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HM_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HM_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${HM_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${HM_MINGW_PREFIX}-windres)

# Headers and libraries come from the Windows sysroot only; programs that the
# build runs come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${HM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into the programs, so they run without any
# DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
