#pragma once
#include <cstddef>
#include <vector>

namespace app {

// A length-counted run of bytes that someone else owns.
struct ByteBlock {
  const void* bytes = nullptr;
  std::size_t length = 0;
};

// Writes the blocks, one after another, as the whole content of the file at path. They
// go to a temporary file beside it first, which then replaces the file, so a write that
// fails part-way leaves the previous file whole. True only when everything was written
// and the file replaced. An empty path touches nothing; a file that cannot be replaced
// (read-only, a directory, in use by another process) stays as it is. Nothing is reported.
bool WriteBytesToFile(const char* path, const std::vector<ByteBlock>& blocks);

}  // namespace app
