# Precompiled headers: a header read by many files is compiled once. A
# precompiled header serves only code compiled with the same options and
# the same macros it was made with, so a shared one lives in a target of its
# own that defines no macro, and the targets reusing it compile with its
# options.

# A target that only holds a precompiled header for others to reuse.
function(add_precompiled_headers target)
  cmake_parse_arguments(PARSE_ARGV 1 precompiled "" "" "LIBRARIES;HEADERS")
  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp CONTENT "")
  add_library(${target} OBJECT ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE ${precompiled_LIBRARIES})
  target_precompile_headers(${target} PRIVATE ${precompiled_HEADERS})
endfunction()

# The targets that compile code, made in a folder or below it.
function(compiled_targets_below directory result)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  set(compiled)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY)$")
      list(APPEND compiled ${target})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    compiled_targets_below(${subdirectory} below)
    list(APPEND compiled ${below})
  endforeach()
  set(${result} ${compiled} PARENT_SCOPE)
endfunction()

# Qt's widget headers take longer to read than most of our Qt files take to
# compile; a library with many such files reads them once.
function(precompile_qt_headers target)
  target_precompile_headers(${target} PRIVATE
    <QApplication> <QColor> <QFont> <QFontMetrics> <QImage> <QKeyEvent> <QLabel> <QPainter> <QString>
    <QStyle> <QTimer> <QWidget> <algorithm> <functional> <memory> <string> <vector>)
endfunction()
