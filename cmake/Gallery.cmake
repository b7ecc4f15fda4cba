# skingallery.exe: a showcase of windows the utility never shows, all drawn by the skin engine.
# It links the engine, the framework and the skin sources (the live preview reads unpacked
# skins as `skinpack` does), not the utility.

# Stored skins: the gallery variants of graphite (the main component) and meadow (the component
# of the one form that carries a skin of its own), framed as SkinStream properties.
set(GALLERY_SKIN_STREAMS)
foreach(skin graphite meadow)
  set(stream ${CMAKE_BINARY_DIR}/gallery-${skin}.skinstream)
  add_custom_command(OUTPUT ${stream}
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/frame_skin_stream.sh ${HOST_BUILD_DIR}/skins/gallery-${skin}.skn ${stream}
    DEPENDS ${HOST_BUILD_DIR}/skins/gallery-${skin}.skn ${PROJECT_SOURCE_DIR}/cmake/frame_skin_stream.sh
    COMMENT "Framing the gallery's ${skin} skin as a stored SkinStream")
  list(APPEND GALLERY_SKIN_STREAMS ${stream})
endforeach()
add_custom_target(gallery_skin_streams DEPENDS ${GALLERY_SKIN_STREAMS})

# The gallery's windows are a library so that tests can put them under real input.
tweak_glob_library(gallery_win gallery/win framework skin_manager_win skin_form_win skin_controls_win skin_source tour_win
                   EXCLUDE gallery/win/entry.cpp)
set(gallery_resources ${PROJECT_SOURCE_DIR}/gallery/win/skingallery.rc)
set_source_files_properties(${gallery_resources} PROPERTIES OBJECT_DEPENDS
  "${GALLERY_SKIN_STREAMS};${PROJECT_SOURCE_DIR}/skin/data/win/resources/menu_glyphs.rc")
add_executable(skingallery WIN32 ${PROJECT_SOURCE_DIR}/gallery/win/entry.cpp ${gallery_resources})
target_link_libraries(skingallery PRIVATE gallery_win)
add_dependencies(skingallery gallery_skin_streams)
