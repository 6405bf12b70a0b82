#pragma once
// Skin files for the tests: the shipped ones read from disk, and bodies wrapped in a
// header that can be made wrong on purpose.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// resources/skins/skinNN.she; empty when it cannot be read.
Bytes ReadSkinFile(int number);

struct Header {
  std::string magic = ".SHE";
  std::uint16_t version = 1;
  std::uint16_t reserved = 0;
  std::int64_t lengthDelta = 0;  // added to the true body length
};

Bytes WrapBody(const std::string& body, const Header& header = {});

// The body of skin file 1 (everything after its header).
std::string ValidBody();
