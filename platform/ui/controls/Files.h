// Files and directories as the skin loader needs them. Names are returned
// sorted; names that start with "." are skipped. Failures (a missing or
// unreadable directory) give empty results, never exceptions.
#pragma once

#include <string>
#include <vector>

namespace ui {

bool FileExists(const std::string& path);       // a regular file (or a link to one)
bool DirectoryExists(const std::string& path);  // a directory (or a link to one)

// Names of the subdirectories of `dir` that contain a file `fileName`.
std::vector<std::string> SubdirectoriesContaining(const std::string& dir, const std::string& fileName);
// Files of `dir` whose extension (after the last ".") is `extension`
// (without the dot, compared without regard to ASCII case); each given as
// its name up to the first ".".
std::vector<std::string> FilesWithExtension(const std::string& dir, const std::string& extension);

// Joins a directory and a name with one "/".
std::string JoinPath(const std::string& dir, const std::string& name);
// The directory part of a path ("" for a bare name, "/" for the root).
std::string DirectoryOf(const std::string& path);

}  // namespace ui
