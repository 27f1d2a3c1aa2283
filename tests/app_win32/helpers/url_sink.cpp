// Stands in for the web browser in the About tests: the tests make it the handler of http URLs,
// and it appends the URL it was given as one line to url_sink.txt beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH - 1);
  std::string path(self);
  path = path.substr(0, path.find_last_of("\\/") + 1) + "url_sink.txt";
  std::string url = __argc > 1 ? __argv[1] : "";
  if (FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fprintf(f, "%s\n", url.c_str());
    std::fclose(f);
  }
  return 0;
}
