# The screenshot program: a window with every gadget kind the driver builds, saved as a BMP
# (tests/gui_win32/screenshot.sh turns it into a PNG in the build tree).
add_executable(gui_win32_screenshot ${CMAKE_CURRENT_SOURCE_DIR}/gui_win32/screenshot/screenshot.cpp)
target_link_libraries(gui_win32_screenshot PRIVATE varnoc_gui_win32)

# The panel and icon strip tests make their image files like the loader tests do.
target_sources(gui_win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui/image_bytes.cpp)
target_include_directories(gui_win32_tests SYSTEM PRIVATE /usr/include/stb)
