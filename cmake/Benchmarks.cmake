# Benchmarks. Native: one Google Benchmark executable of bench/*.cpp. Windows (win64): bench/win/*.cpp
# as win_benchmarks.exe, built from Google Benchmark's sources (TWEAK_BENCHMARK_SOURCE, which
# scripts/bench fetches) and run under Wine. scripts/bench runs both and prints the figures.
if(NOT CMAKE_CROSSCOMPILING)
  file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
  if(bench_sources)
    find_package(benchmark REQUIRED)
    add_executable(benchmarks ${bench_sources})
    tweak_batch_sources(benchmarks)
    target_link_libraries(benchmarks PRIVATE ${TWEAK_ALL_LIBS} tool_support benchmark::benchmark_main)
    target_include_directories(benchmarks PRIVATE ${PROJECT_SOURCE_DIR}/bench)
    target_compile_definitions(benchmarks PRIVATE
        TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        BUILT_SKINS_DIR="${CMAKE_BINARY_DIR}/skins")
    if(TARGET skins)
      add_dependencies(benchmarks skins)
    endif()
  endif()
  return()
endif()

set(TWEAK_BENCHMARK_SOURCE "" CACHE PATH "Google Benchmark source tree for the Windows benchmarks")
file(GLOB win_bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/win/*.cpp ${PROJECT_SOURCE_DIR}/bench/win/*.rc)
if(NOT win_bench_sources OR NOT EXISTS "${TWEAK_BENCHMARK_SOURCE}/CMakeLists.txt"
   OR NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  return()
endif()
set(BENCHMARK_ENABLE_TESTING OFF CACHE BOOL "" FORCE)
set(BENCHMARK_ENABLE_GTEST_TESTS OFF CACHE BOOL "" FORCE)
set(BENCHMARK_ENABLE_WERROR OFF CACHE BOOL "" FORCE)
set(BENCHMARK_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
# Google Benchmark's Windows code is written for the ANSI API: its folder starts without UNICODE,
# which is put back for ours at once (a folder's definitions apply to all its targets).
remove_definitions(-DUNICODE -D_UNICODE)
# Debian's source reads its version from git, which a source package has not: take project().
set(GIT_VERSION "0.0.0")
add_subdirectory(${TWEAK_BENCHMARK_SOURCE} ${CMAKE_BINARY_DIR}/benchmark EXCLUDE_FROM_ALL SYSTEM)
add_compile_definitions(UNICODE _UNICODE)
file(GLOB win_support_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/support/*.cpp)
add_executable(win_benchmarks EXCLUDE_FROM_ALL ${win_bench_sources} ${win_support_sources})
tweak_batch_sources(win_benchmarks)
target_link_libraries(win_benchmarks PRIVATE ${TWEAK_ALL_LIBS} benchmark::benchmark_main)
if(TARGET skinrun)
  add_dependencies(win_benchmarks skinrun skinengine)  # programs started through skinrun
endif()
if(TARGET gallery_win)
  target_link_libraries(win_benchmarks PRIVATE gallery_win)  # the soak runs the gallery's control page
endif()
target_include_directories(win_benchmarks PRIVATE ${PROJECT_SOURCE_DIR}/bench ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(win_benchmarks PRIVATE BUILT_SKINS_DIR="Z:${HOST_BUILD_DIR}/skins")
