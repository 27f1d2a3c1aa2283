# Helper programs of the Windows application tests, built beside the test executable.
add_executable(snapshot_child WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app_win32/helpers/snapshot_child.cpp)
set_target_properties(snapshot_child PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(app_win32_tests snapshot_child Varnoc)
