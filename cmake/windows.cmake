# The settings of the Windows build (make windows), read by the top-level CMakeLists.txt after
# ICU has been found. The programs and tests only: the desktop program's views are Qt's here.
set(KV884_GUI OFF CACHE BOOL "" FORCE)

# Programs built for Windows run here under Wine (the Big5 table generator at build time, the
# tests), in a prefix of the build's own that make windows has initialised; headless, without
# offering to install Wine's .NET and HTML runtimes.
set(KV884_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${KV884_WINEPREFIX} WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml= wine)


# Static libraries only, so that the programs need no DLL beyond Windows' own (MinGW's zlib comes
# as both); the symbols are stripped from the programs, which are copied to the clerks' PCs.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
add_link_options(-s)
# The checked string functions of _FORTIFY_SOURCE come from MinGW's libssp.
link_libraries(ssp)

# CLI11 and nlohmann-json are headers only, so the machine's own serve; but their packages would
# put all of /usr/include on the target's include path, so only their own folders are offered,
# through a package of the same name.
function(kv884_host_headers package target folder)
  set(headers ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${headers}/include)
  file(CREATE_LINK /usr/include/${folder} ${headers}/include/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${headers}/include)
  file(WRITE ${headers}/${package}/${package}Config.cmake "# ${target}: cmake/windows.cmake\n")
  set(${package}_DIR ${headers}/${package} CACHE PATH "" FORCE)
endfunction()
kv884_host_headers(CLI11 CLI11::CLI11 CLI)
kv884_host_headers(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
