# fuzz/<name>_fuzz.cpp -> libFuzzer target <name>_fuzz (seed corpus in fuzz/corpus/<name>/).
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source IN LISTS fuzz_sources)
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE ${TWEAK_ALL_LIBS} tool_support)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
