# The folder layout is the build description: every folder of sources becomes one library,
# found by globbing, so adding a file never needs a CMake edit.

# tweak_glob_library(<name> <folder> [deps...] [EXCLUDE files...])
# Makes a static library of <folder>/*.cpp (not recursive) linked to deps; an empty folder
# gives an interface library so that dependents link the same way before it has code.
function(tweak_glob_library name folder)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${excluded})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    tweak_batch_sources(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_UNPARSED_ARGUMENTS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_UNPARSED_ARGUMENTS})
  endif()
endfunction()

# tweak_link_cycle(<libs...>): static libraries that call one another; each links all the others
# (CMake repeats such a group on the link line). Libraries that have no code yet are skipped.
function(tweak_link_cycle)
  set(static_libs)
  foreach(lib IN LISTS ARGN)
    get_target_property(type ${lib} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
      list(APPEND static_libs ${lib})
    endif()
  endforeach()
  foreach(lib IN LISTS static_libs)
    set(others ${static_libs})
    list(REMOVE_ITEM others ${lib})
    if(others)
      target_link_libraries(${lib} PUBLIC ${others})
      set_property(TARGET ${lib} PROPERTY LINK_INTERFACE_MULTIPLICITY 3)
    endif()
  endforeach()
endfunction()

# Every library a test or tool of this tree may link.
set(TWEAK_PORTABLE_LIBS skinrun_core skin_source skin_data skin_manager skin_form skin_controls app_core framework_core base)
if(WIN32)
  set(TWEAK_ALL_LIBS skin_api_win app_win skin_controls_win skin_form_win skin_manager_win framework
      skin_data_win tour_win base_win ${TWEAK_PORTABLE_LIBS})
else()
  set(TWEAK_ALL_LIBS ${TWEAK_PORTABLE_LIBS})
endif()
