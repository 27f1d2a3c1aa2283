// The rules of the file chooser: its filter list, the filter it opens with, the initial name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Size of the chooser's result buffer, which also holds the initial file name.
constexpr std::size_t RequestFileBufferSize = 4096;

struct TRequestPath {
  std::u16string dir;   // before the last backslash; empty without one
  std::u16string file;  // after the last backslash, or the whole path
};

// Slashes become backslashes, then the path is split at its last backslash.
TRequestPath SplitRequestPath(const std::u16string& path);

// The platform filter list for "Description:ext,ext;Description:ext" (a list without ":" is one
// group called "Files"): "Text:txt,doc;All:*" gives "Text\0*.txt;*.doc\0All\0*.*\0". The text's
// own terminator is the NUL that ends the list. Empty for an empty list.
std::u16string FileFilterText(const std::u16string& exts);

// The 1-based number of the group that lists the extension of `path` (the text after the first
// "." of the whole path, letters compared without case); 0 when it is not listed, and also when
// the listing group is the last one and the list does not end in ";".
int32_t DefaultFilterIndex(const std::u16string& path, const std::u16string& exts);

// The initial content of the result buffer: the file name, cut so that it and its NUL fit the
// buffer (RequestFileBufferSize UTF-16 units), never between the halves of a surrogate pair.
std::u16string RequestFileInitialName(const std::u16string& file);
