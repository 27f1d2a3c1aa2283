// Turning what OpenURL is given into a URL the shell can open.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Maps a file-system path to its absolute, normalised form when it names an existing file or
// folder, else nothing.
using TPathResolver = std::function<std::optional<std::u16string>(const std::u16string& path)>;

// Texts that begin with "http:", "https:" or "file:" (any case) come back unchanged. Anything
// else loses its anchor (from the first "#"); when the rest resolves to an existing path the
// result is "file:" + that path + anchor, otherwise "http:" + the rest + anchor.
std::u16string NormaliseURL(const std::u16string& url, const TPathResolver& resolve);

// The resolver OpenURL uses: the current directory applied, "." and ".." resolved, existence
// tested on the file system. The empty path is the current directory.
std::optional<std::u16string> ExistingAbsolutePath(const std::u16string& path);
