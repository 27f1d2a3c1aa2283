# The program that ends in each of the three ways with exit handlers registered, beside the tests.
add_executable(exit_child ${CMAKE_CURRENT_SOURCE_DIR}/runtime/helpers/exit_child.cpp)
target_link_libraries(exit_child PRIVATE varnoc_runtime)
set_target_properties(exit_child PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(runtime_tests exit_child)
set_property(GLOBAL APPEND PROPERTY VARNOC_MANIFEST_PROGRAMS exit_child)
