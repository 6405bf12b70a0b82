#pragma once
// Converts a UTF-8 literal to code page 936 bytes with the platform's own converter, so
// tests compare the program's byte strings against an independent source.
#include <string>

std::string Gbk(const char* utf8);
