# The manifest every program made on the toolkit carries (cmake/program.manifest.in): per-monitor
# DPI awareness, the current common controls, Windows 10 and 11, long paths. Each program that
# links the toolkit in this build compiles it in; the installed package gives it to a program
# through Varnoc::windowed_app. A program without it still gets the DPI awareness, which the
# toolkit asks for itself as it starts.
# The common controls 6 give the platform's current look; VARNOC_CLASSIC_CONTROLS=ON leaves them out
# (the Windows 95 look), e.g. to tell a fault of theirs from one of the toolkit's.
option(VARNOC_CLASSIC_CONTROLS "The manifest leaves out the common controls 6 (the platform's current look)" OFF)
set(VARNOC_MANIFEST_CONTROLS "")
if(NOT VARNOC_CLASSIC_CONTROLS)
  string(CONCAT VARNOC_MANIFEST_CONTROLS
         "  <dependency>\n    <dependentAssembly>\n"
         "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
         " processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\n"
         "    </dependentAssembly>\n  </dependency>")
endif()
# The resource script names the manifest by its bare name: both sit in one folder of the build.
set(varnoc_manifest_dir ${CMAKE_BINARY_DIR}/manifest)
configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${varnoc_manifest_dir}/program.manifest @ONLY)
# The script carries the choice too, so that a change of it compiles the programs' resources again.
configure_file(${PROJECT_SOURCE_DIR}/cmake/program-manifest.rc ${varnoc_manifest_dir}/program-manifest.rc @ONLY)
target_sources(varnoc_gui_win32 INTERFACE $<BUILD_INTERFACE:${varnoc_manifest_dir}/program-manifest.rc>)
install(FILES ${varnoc_manifest_dir}/program-manifest.rc ${varnoc_manifest_dir}/program.manifest
        DESTINATION ${CMAKE_INSTALL_DATADIR}/varnoc COMPONENT sdk)
target_sources(varnoc_windowed_app
               INTERFACE $<INSTALL_INTERFACE:$<INSTALL_PREFIX>/${CMAKE_INSTALL_DATADIR}/varnoc/program-manifest.rc>)
# Every test program and helper program carries it too, so that each starts as the toolkit's
# programs do (the helpers' folders name them in VARNOC_MANIFEST_PROGRAMS); a target that has it
# through the toolkit already lists the same file once.
get_property(varnoc_manifest_programs GLOBAL PROPERTY VARNOC_MANIFEST_PROGRAMS)
get_property(varnoc_manifest_tests GLOBAL PROPERTY VARNOC_TESTS)
foreach(program IN LISTS varnoc_manifest_programs varnoc_manifest_tests)
  target_sources(${program} PRIVATE ${varnoc_manifest_dir}/program-manifest.rc)
endforeach()
