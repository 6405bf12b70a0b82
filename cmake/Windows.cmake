# Windows targets: ANSI Win32 API, a static runtime so the binaries need nothing but
# system DLLs, and a check of that after every link.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
  set(LEXORIN_OBJDUMP ${MINGW_PREFIX}-objdump)
endif()

# Fails the build when a binary imports a DLL that a clean Windows does not have.
function(lexorin_check_imports target)
  if(NOT LEXORIN_OBJDUMP)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${LEXORIN_OBJDUMP} -DBINARY=$<TARGET_FILE:${target}>
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake
    VERBATIM)
endfunction()
