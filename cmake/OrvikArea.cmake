# orvik_add_area(<target> [QT <components>...] [LINKS <targets>...])
# Builds every .cpp/.h/.ui/.qrc in the calling folder into a static library.
# Folders add their files simply by dropping them in. QT names the Qt modules
# the area may use (default: Widgets Gui Core Xml); the device link takes Core
# only, so nothing in it can reach for a widget.
function(orvik_add_area target)
  cmake_parse_arguments(A "" "" "LINKS;QT" ${ARGN})
  if(NOT A_QT)
    set(A_QT Widgets Gui Core Xml)
  endif()
  set(_qt)
  foreach(_m ${A_QT})
    list(APPEND _qt Qt5::${_m})
  endforeach()
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT _src)
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${A_LINKS})
    return()
  endif()
  add_library(${target} STATIC ${_src})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${target} PUBLIC ${A_LINKS} ${_qt} Threads::Threads)
  set_target_properties(${target} PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
