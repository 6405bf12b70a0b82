#pragma once
// The names of the files and folders directly in a directory, for tests that check what
// a program left behind.
#include <set>
#include <string>

std::set<std::string> FileNames(const std::string& directory);
