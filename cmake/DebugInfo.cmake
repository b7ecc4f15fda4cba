# How much debug information a tree carries, and where it is kept.
#
# TWEAK_DEBUG_INFO: "full" (-g), "lines" (-g1: functions and line tables, enough for a backtrace)
# or "none"; empty keeps what the build type gives. The test trees carry little: full DWARF of
# the Windows test binary is most of its size and most of its link time.
#
# TWEAK_SEPARATE_DEBUG_INFO: every executable and DLL of the tree is stripped after linking, its debug
# information moved into X.exe.debug beside it (found by debuggers through a debug link). The
# shipping tree does this: the program a user gets stays small, and a crash report from it can
# still be read against the .debug file of the same build.
set(TWEAK_DEBUG_INFO "" CACHE STRING "Debug information: full, lines, none, or empty for the build type's")
set_property(CACHE TWEAK_DEBUG_INFO PROPERTY STRINGS "" full lines none)
option(TWEAK_SEPARATE_DEBUG_INFO "Strip executables, keeping their debug information in X.debug files" OFF)

if(TWEAK_DEBUG_INFO)
  set(_tweak_debug_flag_full -g)
  set(_tweak_debug_flag_lines -g1)
  set(_tweak_debug_flag_none -g0)
  if(NOT DEFINED _tweak_debug_flag_${TWEAK_DEBUG_INFO})
    message(FATAL_ERROR "TWEAK_DEBUG_INFO must be full, lines or none, not '${TWEAK_DEBUG_INFO}'")
  endif()
  foreach(lang C CXX)
    foreach(config DEBUG RELEASE RELWITHDEBINFO MINSIZEREL)
      string(REGEX REPLACE "(^| )-g[0-9]?( |$)" " " CMAKE_${lang}_FLAGS_${config} "${CMAKE_${lang}_FLAGS_${config}}")
    endforeach()
  endforeach()
  add_compile_options(${_tweak_debug_flag_${TWEAK_DEBUG_INFO}})
endif()

# Runs when the top directory has made all its targets (executables are made there).
function(tweak_separate_debug_info)
  get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE" OR type STREQUAL "SHARED_LIBRARY")
      # The debug link records the .debug file's name and checksum, so it is added last.
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:${target}>
        COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
        COMMENT "Moving the debug information of ${target} into $<TARGET_FILE_NAME:${target}>.debug"
        VERBATIM)
    endif()
  endforeach()
endfunction()

if(TWEAK_SEPARATE_DEBUG_INFO)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "TWEAK_SEPARATE_DEBUG_INFO needs objcopy")
  endif()
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tweak_separate_debug_info)
endif()
