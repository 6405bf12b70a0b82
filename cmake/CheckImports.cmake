# cmake -DOBJDUMP=... -DBINARY=... -P CheckImports.cmake
cmake_policy(SET CMP0057 NEW)
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll
  ole32.dll oleaut32.dll uxtheme.dll dwmapi.dll msvcrt.dll version.dll shlwapi.dll
  msimg32.dll)
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${BINARY}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${BINARY} imports ${dll}, which is not a system DLL")
  endif()
endforeach()
