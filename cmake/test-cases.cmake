# Run by CTest as it reads the build's tests: makes each GoogleTest case of every test executable a
# test of its own, named <executable without _tests>/<Suite>.<Case>, run as that executable with a
# filter for the one case. The cases of an executable are listed again only when it is newer than
# its list. The Windows builds list them through the Wine runner, all in one Wine session that
# ends before the tests start theirs. The build writes the settings this reads
# (build/ctest-cases.cmake, see the top CMakeLists.txt).
set(stale "")
foreach(exe IN LISTS VARNOC_TEST_EXECUTABLES)
  get_filename_component(name "${exe}" NAME_WE)
  set(cases "${VARNOC_CASES_DIR}/${name}.cmake")
  if(EXISTS "${exe}" AND (NOT EXISTS "${cases}" OR NOT "${cases}" IS_NEWER_THAN "${exe}"
                          OR NOT "${cases}" IS_NEWER_THAN "${VARNOC_CASES_SETTINGS}"))
    list(APPEND stale "${exe}")
  endif()
endforeach()

if(stale AND VARNOC_WINE_CTEST)
  execute_process(COMMAND "${VARNOC_WINE_CTEST}" start "${VARNOC_BUILD_DIR}")
endif()
set(failures "")
foreach(exe IN LISTS stale)
  get_filename_component(name "${exe}" NAME_WE)
  get_filename_component(dir "${exe}" DIRECTORY)
  string(REGEX REPLACE "_tests$" "" prefix "${name}")
  set(cases "${VARNOC_CASES_DIR}/${name}.cmake")
  # CMake's own GoogleTest listing, in a process of its own: a failing executable is reported
  # after the Wine session has been ended.
  execute_process(
    COMMAND "${VARNOC_CMAKE_COMMAND}" "-DTEST_EXECUTABLE=${exe}" "-DTEST_EXECUTOR=${VARNOC_TEST_EMULATOR}"
            "-DTEST_WORKING_DIR=${dir}" "-DTEST_PROPERTIES=${VARNOC_TEST_PROPERTIES}"
            "-DTEST_PREFIX=${prefix}/" "-DTEST_LIST=${name}_TESTS" "-DCTEST_FILE=${cases}"
            "-DTEST_DISCOVERY_TIMEOUT=120" -P "${VARNOC_GTEST_LIST_SCRIPT}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    file(REMOVE "${cases}")
    string(APPEND failures "${name}: ${output}\n")
  endif()
endforeach()
if(stale AND VARNOC_WINE_CTEST)
  execute_process(COMMAND "${VARNOC_WINE_CTEST}" stop "${VARNOC_BUILD_DIR}")
endif()
if(failures)
  message(FATAL_ERROR "Listing the test cases failed:\n${failures}")
endif()

foreach(exe IN LISTS VARNOC_TEST_EXECUTABLES)
  get_filename_component(name "${exe}" NAME_WE)
  if(EXISTS "${VARNOC_CASES_DIR}/${name}.cmake")
    include("${VARNOC_CASES_DIR}/${name}.cmake")
  else()
    add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)
  endif()
endforeach()
