# One Google Benchmark executable of bench/*.cpp; scripts/bench runs it and prints the figures.
file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
if(bench_sources)
  find_package(benchmark REQUIRED)
  add_executable(benchmarks ${bench_sources})
  target_link_libraries(benchmarks PRIVATE ${TWEAK_ALL_LIBS} tool_support benchmark::benchmark_main)
  target_include_directories(benchmarks PRIVATE ${PROJECT_SOURCE_DIR}/bench)
  target_compile_definitions(benchmarks PRIVATE
      TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
      BUILT_SKINS_DIR="${CMAKE_BINARY_DIR}/skins")
  if(TARGET skins)
    add_dependencies(benchmarks skins)
  endif()
endif()
