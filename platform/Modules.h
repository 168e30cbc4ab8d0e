#pragma once

#include "platform/Types.h"

namespace platform {

// Libraries loaded at run time by bare name.
class Modules {
  public:
    virtual ~Modules() = default;
    // Loads a library by its Windows name ("upctv.dll"); a result below 32 means failure.
    virtual HMODULE LoadLibraryA(const char* name) = 0;
    // The address of an exported entry point, or nullptr.
    virtual void* GetProcAddress(HMODULE module, const char* name) = 0;
    virtual bool FreeLibrary(HMODULE module) = 0;
};

}  // namespace platform
