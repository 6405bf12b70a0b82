# cmake -DOBJDUMP=... -DBINARY=hrttp.dll -P check_export.cmake
# The engine must export exactly one name, SkinH_AttachEx, undecorated.
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${BINARY}")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[ 0-9]+\\][^\n]*\n)*)" table "${dump}")
string(REGEX MATCHALL "\\][ \t]+[^ \t\n]+" names "${CMAKE_MATCH_1}")
list(TRANSFORM names REPLACE "^\\][ \t]+" "")
if(NOT names STREQUAL "SkinH_AttachEx")
  message(FATAL_ERROR "${BINARY} exports [${names}], expected exactly [SkinH_AttachEx]")
endif()
message(STATUS "${BINARY} exports SkinH_AttachEx")
