# The loader tests make their image files with the decoder library's companion encoder.
target_include_directories(gui_tests SYSTEM PRIVATE /usr/include/stb)
