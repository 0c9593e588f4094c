# Cross-compiling for 64-bit Windows with the mingw-w64 compilers of Debian
# (package g++-mingw-w64-x86-64). The posix threading variant is used because
# it has the whole of the C++ thread library. Everything is linked statically,
# so each .exe runs on its own, without the compiler's runtime DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOVAL_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${TOVAL_MINGW_TRIPLE}-g++-posix ${TOVAL_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${TOVAL_MINGW_TRIPLE}-gcc-posix ${TOVAL_MINGW_TRIPLE}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${TOVAL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOVAL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
