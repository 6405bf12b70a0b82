#include "support/file_names.h"

#include <windows.h>

std::set<std::string> FileNames(const std::string& directory) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}
