/* A library for 32-bit x86 and nothing else: a 64-bit program cannot load it, and the
   system's library search steps over it to the next directory. */
int __stdcall DllEntry(void* module, unsigned long reason, void* reserved) {
  (void)module;
  (void)reason;
  (void)reserved;
  return 1;
}
