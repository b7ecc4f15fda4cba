# Warnings and platform definitions shared by every target of every tree.
add_compile_options(-Wall -Wextra -Wpedantic)

if(WIN32)
  # Unicode windows throughout; Windows 7 API level; no min/max macros.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(TWEAK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TWEAK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (use the 'fuzz' preset)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

include(DebugInfo)

# Unity builds: each target's sources are compiled in batches, one translation unit a batch, so
# that <windows.h>, the standard library and GoogleTest are parsed once a batch rather than once
# a file (most of a cold build's time). Third-party targets keep their own way of building.
option(TWEAK_UNITY_BUILD "Compile each of our targets' sources in batches" ON)
set(TWEAK_UNITY_BATCH_SIZE 12 CACHE STRING "Sources per unity batch")
function(tweak_batch_sources target)
  if(TWEAK_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${TWEAK_UNITY_BATCH_SIZE})
  endif()
endfunction()
