// The new task the benchmark starts while a watcher runs: it shows nothing and waits to be ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(60000);
  return 0;
}
