# Run by CPack between staging the files and making the package: removes the
# .comment and .note sections from every ELF file, as dh_strip does.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path IN LISTS staged)
  if(IS_SYMLINK "${path}")
    continue()
  endif()
  file(READ "${path}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_ARVELO_OBJCOPY}" --remove-section=.comment --remove-section=.note "${path}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
