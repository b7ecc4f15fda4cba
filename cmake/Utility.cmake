# tweak.exe: the utility, a GUI-subsystem executable with its resources, as it ships.
# tweak_tour.exe: the same utility with the screenshot tour linked in, for scripts/run --screenshots
# and the tests; the shipping executable contains no tour or test code.

# The main window's stored skin: the graphite package in the framing of the SkinStream property.
set(TWEAK_SKIN_STREAM ${CMAKE_BINARY_DIR}/graphite.skinstream)
add_custom_command(OUTPUT ${TWEAK_SKIN_STREAM}
  COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/frame_skin_stream.sh ${HOST_BUILD_DIR}/skins/graphite.skn ${TWEAK_SKIN_STREAM}
  DEPENDS ${HOST_BUILD_DIR}/skins/graphite.skn ${PROJECT_SOURCE_DIR}/cmake/frame_skin_stream.sh
  COMMENT "Framing the graphite skin as a stored SkinStream")
add_custom_target(skin_stream_resource DEPENDS ${TWEAK_SKIN_STREAM})
# Resource scripts that embed the stored skin or the menu glyphs rebuild when those change.
set(TWEAK_RESOURCE_INPUTS ${TWEAK_SKIN_STREAM} ${PROJECT_SOURCE_DIR}/skin/data/win/resources/menu_glyphs.rc
    ${PROJECT_SOURCE_DIR}/app/win/tweak.manifest)

if(EXISTS ${PROJECT_SOURCE_DIR}/app/win/program_entry.cpp)
  file(GLOB tweak_resources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/win/*.rc)
  set_source_files_properties(${tweak_resources} PROPERTIES OBJECT_DEPENDS "${TWEAK_RESOURCE_INPUTS}")
  add_executable(tweak WIN32 ${PROJECT_SOURCE_DIR}/app/win/program_entry.cpp ${tweak_resources})
  target_link_libraries(tweak PRIVATE app_win)
  add_dependencies(tweak skin_stream_resource)

  file(GLOB tweak_tour_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/tour/win/*.cpp)
  add_executable(tweak_tour WIN32 ${tweak_tour_sources} ${tweak_resources})
  target_include_directories(tweak_tour PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(tweak_tour PRIVATE app_win tour_win)
  add_dependencies(tweak_tour skin_stream_resource)
endif()

# Resource scripts find their binary files relative to the repository and the build tree.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR} -I${CMAKE_BINARY_DIR} -I${HOST_BUILD_DIR}")
