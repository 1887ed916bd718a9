# 64-bit Windows programs cross-built with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and std::mutex need). The runtime libraries are linked statically, so the programs
# need no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KV884_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KV884_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KV884_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KV884_MINGW_TRIPLET}-windres)

# The libraries built for the target from Debian's source packages (scripts/build-windows-deps),
# one prefix each under KV884_WINDOWS_DEPS, sit beside the compiler's own.
set(CMAKE_FIND_ROOT_PATH /usr/${KV884_MINGW_TRIPLET})
if(KV884_WINDOWS_DEPS)
  file(GLOB KV884_WINDOWS_PREFIXES LIST_DIRECTORIES true ${KV884_WINDOWS_DEPS}/*-*)
  list(APPEND CMAKE_FIND_ROOT_PATH ${KV884_WINDOWS_PREFIXES})
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KV884_WINDOWS_DEPS)
  # pkg-config finds the target's .pc files only, never the machine's.
  set(KV884_PKG_CONFIG_DIRS ${KV884_WINDOWS_PREFIXES})
  list(TRANSFORM KV884_PKG_CONFIG_DIRS APPEND /lib/pkgconfig)
  string(REPLACE ";" ":" KV884_PKG_CONFIG_DIRS "${KV884_PKG_CONFIG_DIRS}")
  set(ENV{PKG_CONFIG_LIBDIR} "${KV884_PKG_CONFIG_DIRS}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
