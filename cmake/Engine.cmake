# The skin engine for any Win32 program: the plain entry (skin/api/win/skinengine.h) as a static
# library for programs of this tree, and as skinengine.dll with its import library
# (libskinengine.dll.a) for everyone else, installed with a CMake package (SkinEngine).

tweak_glob_library(skin_api_win skin/api/win skin_manager_win skin_form_win skin_controls_win skin_data_win framework)
# The entry points are marked for export; a program that links the static library sees them
# without the DLL's import marking.
target_compile_definitions(skin_api_win PRIVATE SKINENGINE_BUILDING_DLL INTERFACE SKINENGINE_STATIC)
target_include_directories(skin_api_win PUBLIC ${PROJECT_SOURCE_DIR}/skin/api/win)

file(GLOB skinengine_dll_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/skin/api/win/dll/*.cpp)
add_library(skinengine SHARED ${skinengine_dll_sources} ${PROJECT_SOURCE_DIR}/skin/data/win/resources/menu_glyphs.rc)
add_library(SkinEngine::skinengine ALIAS skinengine)
target_link_libraries(skinengine PRIVATE $<LINK_LIBRARY:WHOLE_ARCHIVE,skin_api_win>)
target_include_directories(skinengine PRIVATE ${PROJECT_SOURCE_DIR}
  INTERFACE $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/skin/api/win> $<INSTALL_INTERFACE:include>)
# skinengine.dll beside the programs; 32-bit exports also under their plain names (GetProcAddress).
set_target_properties(skinengine PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
target_link_options(skinengine PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--add-stdcall-alias)

include(CMakePackageConfigHelpers)
install(TARGETS skinengine EXPORT SkinEngineTargets
  RUNTIME DESTINATION bin ARCHIVE DESTINATION lib LIBRARY DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/skin/api/win/skinengine.h DESTINATION include)
install(EXPORT SkinEngineTargets NAMESPACE SkinEngine:: DESTINATION lib/cmake/SkinEngine)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SkinEngineConfig.cmake.in
  ${CMAKE_BINARY_DIR}/SkinEngineConfig.cmake INSTALL_DESTINATION lib/cmake/SkinEngine)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/SkinEngineConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/SkinEngineConfig.cmake ${CMAKE_BINARY_DIR}/SkinEngineConfigVersion.cmake
  DESTINATION lib/cmake/SkinEngine)
