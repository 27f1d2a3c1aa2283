# Installing the toolkit as a CMake package (libraries, headers and an exported package that
# find_package(Varnoc CONFIG COMPONENTS ...) reads), and the program's ZIP through CPack.
include(GNUInstallDirs)
# Installing (and packaging) builds nothing beyond what the caller built: tools/package builds the
# program alone instead of every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
include(CMakePackageConfigHelpers)

# A windowed program of someone else's in one line, target_link_libraries(app PRIVATE
# Varnoc::windowed_app): the toolkit with its Win32 driver, the windows subsystem (no console opens
# beside the program), everything linked in (no runtime DLLs to ship) and, in Release and
# MinSizeRel, no symbols, so the program stays small; and the program's manifest.
if(TARGET varnoc_gui_win32)
  add_library(varnoc_windowed_app INTERFACE)
  target_link_libraries(varnoc_windowed_app INTERFACE varnoc_gui_win32)
  target_link_options(varnoc_windowed_app INTERFACE -mwindows -static -Wl,--gc-sections
                      $<$<CONFIG:Release,MinSizeRel>:-s>)
  include(${PROJECT_SOURCE_DIR}/cmake/manifest.cmake)
endif()

# Component name -> library target; a component whose library this build does not make is absent.
set(varnoc_libraries runtime varnoc_runtime event varnoc_event event_win32 varnoc_event_win32
                     gui varnoc_gui gui_win32 varnoc_gui_win32 windowed_app varnoc_windowed_app)
set(exported "")
while(varnoc_libraries)
  list(POP_FRONT varnoc_libraries name target)
  if(TARGET ${target})
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${name})
    list(APPEND exported ${target})
  endif()
endwhile()
# Headers keep the paths the sources use ("gui/toolkit.h"): the include root is the prefix's
# include folder.
target_include_directories(varnoc_runtime INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
install(TARGETS ${exported} EXPORT VarnocTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT sdk)
foreach(dir runtime event gui)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT sdk
          FILES_MATCHING PATTERN "*.h")
endforeach()

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Varnoc)
install(EXPORT VarnocTargets NAMESPACE Varnoc:: DESTINATION ${config_dir} COMPONENT sdk)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VarnocConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/VarnocConfig.cmake INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VarnocConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VarnocConfig.cmake ${CMAKE_BINARY_DIR}/VarnocConfigVersion.cmake
        DESTINATION ${config_dir} COMPONENT sdk)
# The cross toolchain this build was made with goes beside the package, so that a program builds
# against the prefix alone: -DCMAKE_TOOLCHAIN_FILE=<prefix>/lib/cmake/Varnoc/mingw-x86_64.cmake.
if(CMAKE_TOOLCHAIN_FILE)
  install(FILES ${CMAKE_TOOLCHAIN_FILE} DESTINATION ${config_dir} COMPONENT sdk)
endif()

if(NOT TARGET Varnoc)
  return()
endif()

# The program's ZIP: the executable, its tray icon and a read-me, nothing else. These rules are
# left out of a plain `cmake --install`, which installs the toolkit.
install(TARGETS Varnoc RUNTIME DESTINATION . COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/app/xicon.ico DESTINATION . COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/package-readme.txt DESTINATION . RENAME README.txt
        COMPONENT program EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Varnoc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Varnoc-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Varnoc;program;/")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The program is linked stripped (app/CMakeLists.txt): a strip here would stamp the header.
set(CPACK_STRIP_FILES OFF)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
