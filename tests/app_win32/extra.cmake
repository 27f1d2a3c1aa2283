# Helper programs of the Windows application tests, built beside the test executable: processes
# for the walks and the watch to find, and the stand-in for the web browser.
foreach(helper snapshot_child late_task url_sink)
  add_executable(${helper} WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app_win32/helpers/${helper}.cpp)
  set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  add_dependencies(app_win32_tests ${helper})
  set_property(GLOBAL APPEND PROPERTY VARNOC_MANIFEST_PROGRAMS ${helper})
endforeach()
# A program that checks the argument the runtime hands it from the wide command line.
add_executable(args_echo WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app_win32/helpers/args_echo.cpp)
target_link_libraries(args_echo PRIVATE varnoc_runtime)
set_target_properties(args_echo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(app_win32_tests args_echo)
set_property(GLOBAL APPEND PROPERTY VARNOC_MANIFEST_PROGRAMS args_echo)
# The tests start the real program and the gallery, so building them builds those too.
add_dependencies(app_win32_tests Varnoc Gallery)
target_link_libraries(app_win32_tests PRIVATE version gdi32 user32 advapi32)
