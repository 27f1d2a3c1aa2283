# The tests of display scale at the scales people run (125 %, 150 %, 200 %), sourced by tools/test:
# dpi_tests BUILD runs them in BUILD's tree, one Wine session per DPI in a prefix of that DPI
# (VARNOC_DPI in tools/lib/wine.sh), counted with tools/test's tally. The rest of the tests run at
# 96 DPI only: at 96 every number is the program's own, so they say nothing new at other scales.
dpi_test_scales="120 144 192"
dpi_test_runs=(
  "gui_win32_tests.exe Dpi*:Manifest*"
  "app_win32_tests.exe TextFits.*"
)
dpi_tests() {
  local build=$1 dpi run exe filter log
  for dpi in $dpi_test_scales; do
    VARNOC_DPI=$dpi wine_session_start "$root/build/$build"
    for run in "${dpi_test_runs[@]}"; do
      exe=${run%% *}
      filter=${run#* }
      log="$log_dir/$build-dpi$dpi-${exe%.exe}.log"
      echo "wine $build at $dpi DPI: ${exe%.exe} $filter"
      (cd "$root/build/$build/tests" && timeout 300 "$WINE" "$exe" --gtest_filter="$filter") >"$log" 2>&1
      tally "$log" $?
    done
    wine_session_stop
  done
}
