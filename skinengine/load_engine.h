#pragma once
// How a program reaches the engine's one entry: hrttp.dll beside the running executable,
// loaded by its full path, never through the system's library search.
#include <windows.h>

#include <string>

using AttachFunction = int(__stdcall*)(const char* skinPath, const char* password);

// The entry, or nullptr when the library cannot be loaded or lacks it.
inline AttachFunction LoadEngineBesideExecutable() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::string dll(path, length);
  dll = dll.substr(0, dll.find_last_of('\\') + 1) + "hrttp.dll";
  HMODULE engine = LoadLibraryA(dll.c_str());
  if (!engine) return nullptr;
  return reinterpret_cast<AttachFunction>(
      reinterpret_cast<void*>(GetProcAddress(engine, "SkinH_AttachEx")));
}
