#pragma once

#include <QString>

#include "platform/Types.h"

namespace platform::qt {

// The shared object a Windows library name stands for: "upctv.dll" is "libupctv.so".
QString SharedObjectName(const QString& windowsName);

// Libraries through dlopen: first beside the program, then on the system's library path.
class PosixModules {
  public:
    HMODULE LoadLibraryA(const char* name);
    void* GetProcAddress(HMODULE module, const char* name);
    bool FreeLibrary(HMODULE module);
};

}  // namespace platform::qt
