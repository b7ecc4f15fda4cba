# tweak.exe: the utility, a GUI-subsystem executable with its resources.
if(EXISTS ${PROJECT_SOURCE_DIR}/app/win/program_entry.cpp)
  file(GLOB tweak_resources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/win/*.rc)
  add_executable(tweak WIN32 ${PROJECT_SOURCE_DIR}/app/win/program_entry.cpp ${tweak_resources})
  target_link_libraries(tweak PRIVATE app_win)
endif()

# Resource scripts find their binary files relative to the repository and the build tree.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR} -I${CMAKE_BINARY_DIR} -I${HOST_BUILD_DIR}")
