// Every text and byte block the program makes comes from operator new; when memory runs
// out the program stops with the fatal error report naming the size it asked for. Linked
// into the executable only, so tests keep the standard behaviour.
#include <cstdlib>
#include <new>

#include "app/fatal_error.h"

void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  app::ReportFatalError({app::FatalCause::OutOfMemory, size});
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
