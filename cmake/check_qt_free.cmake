# Fails when a source file outside the Qt folders includes Qt: every folder
# below qt/ (and tests/qt/, bench/qt/) may include Qt, every other folder
# holds Qt-free code only. Run as a test:
#   cmake -DSOURCE_DIR=<repository> -P cmake/check_qt_free.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h.in)
set(offenders)
foreach(source IN LISTS sources)
  if(source MATCHES "^(qt|tests/qt|bench/qt)/" OR source MATCHES "^build")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]|qt)")
  if(qt_includes)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " shown)
  message(FATAL_ERROR "Qt included outside the Qt folders:\n  ${shown}")
endif()
