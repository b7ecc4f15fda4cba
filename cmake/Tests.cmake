# unit_tests (native): tests/unit and tests/native.
# win_tests (Windows): tests/unit and tests/win, run under Wine, one process per test.
enable_testing()
include(GoogleTest)

file(GLOB_RECURSE unit_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)

if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  find_package(PNG REQUIRED)
  file(GLOB_RECURSE native_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
  if(NOT unit_test_sources AND NOT native_test_sources)
    return()
  endif()
  add_executable(unit_tests ${unit_test_sources} ${native_test_sources})
  tweak_batch_sources(unit_tests)
  target_link_libraries(unit_tests PRIVATE ${TWEAK_ALL_LIBS} tool_support
                        GTest::gtest_main GTest::gmock PNG::PNG)
  target_include_directories(unit_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(unit_tests PRIVATE
      TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
      BUILT_SKINS_DIR="${CMAKE_BINARY_DIR}/skins"
      TOOLS_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_dependencies(unit_tests skinpack)  # the command-line tests run the real binary
  if(TARGET skins)
    add_dependencies(unit_tests skins)
  endif()
  gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  # Tests run under 64-bit Wine; scripts/wine-ctest provides the display and the wineserver.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      "${PROJECT_SOURCE_DIR}/scripts/wine-run;--prefix;${CMAKE_BINARY_DIR}/wineprefix")
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  file(GLOB_RECURSE win_test_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/win/*.cpp ${PROJECT_SOURCE_DIR}/tests/win/*.rc)
  if(NOT unit_test_sources AND NOT win_test_sources)
    return()
  endif()
  add_executable(win_tests ${unit_test_sources} ${win_test_sources})
  tweak_batch_sources(win_tests)
  if(TARGET skin_stream_resource)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/tests/win/skin_data_resources.rc
                                PROPERTIES OBJECT_DEPENDS "${TWEAK_RESOURCE_INPUTS}")
    add_dependencies(win_tests skin_stream_resource)
    if(TARGET tweak)
      add_dependencies(win_tests tweak)  # a test reads the utility's embedded skin
    endif()
    if(TARGET tweak_tour)
      add_dependencies(win_tests tweak_tour)  # a test runs the utility's screenshot tour
    endif()
    if(TARGET skingallery)
      add_dependencies(win_tests skingallery)  # a test runs the gallery's tour
      target_link_libraries(win_tests PRIVATE gallery_win)
      set_source_files_properties(${PROJECT_SOURCE_DIR}/tests/win/gallery_resources.rc
                                  PROPERTIES OBJECT_DEPENDS "${GALLERY_SKIN_STREAMS}")
    endif()
  endif()
  if(TARGET skinrun)
    add_dependencies(win_tests skinrun skinengine)  # tests start Wine's own programs through skinrun
  endif()
  target_link_libraries(win_tests PRIVATE ${TWEAK_ALL_LIBS} tool_support gtest_main gmock)
  target_include_directories(win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(win_tests PRIVATE
      TEST_DATA_DIR="Z:${PROJECT_SOURCE_DIR}/tests/data"
      BUILT_SKINS_DIR="Z:${HOST_BUILD_DIR}/skins"
      TOOLS_BIN_DIR="Z:${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 120)
endif()
