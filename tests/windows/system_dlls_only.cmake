# Fails when one of PROGRAMS (a list) imports a DLL that is not part of Windows itself: the
# programs are copied to the clerks' PCs alone.
#   cmake -DOBJDUMP=... -DPROGRAMS=a.exe;b.exe -P system_dlls_only.cmake
cmake_minimum_required(VERSION 3.25)
set(windows_own kernel32.dll msvcrt.dll shell32.dll advapi32.dll user32.dll gdi32.dll ole32.dll
    comctl32.dll winspool.drv)
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(SEND_ERROR "${OBJDUMP} cannot read ${program}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST windows_own)
      message(SEND_ERROR "${program} needs ${dll}")
    endif()
  endforeach()
endforeach()
