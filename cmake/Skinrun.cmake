# skinrun.exe: any Win32 program of the tree's bitness started with every window skinned, through
# skinengine.dll beside it. Our skins go beside it too (bin/skins/), for --skin NAME.
add_executable(skinrun ${PROJECT_SOURCE_DIR}/skinrun/win/skinrun_main.cpp)
target_link_libraries(skinrun PRIVATE skinrun_core skin_data shell32)
target_include_directories(skinrun PRIVATE ${PROJECT_SOURCE_DIR})
add_dependencies(skinrun skinengine)
foreach(skin graphite meadow)
  add_custom_command(TARGET skinrun POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:skinrun>/skins
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HOST_BUILD_DIR}/skins/${skin}.skn $<TARGET_FILE_DIR:skinrun>/skins/${skin}.skn)
endforeach()
install(TARGETS skinrun RUNTIME DESTINATION bin)
install(FILES ${HOST_BUILD_DIR}/skins/graphite.skn ${HOST_BUILD_DIR}/skins/meadow.skn DESTINATION bin/skins)
