#include "platform/qt/PosixModules.h"

#include <dlfcn.h>

#include <QFileInfo>

#include "platform/Cp1252.h"
#include "platform/qt/ExecutableDirectory.h"

namespace platform::qt {
namespace {

void* Open(const QString& file) { return dlopen(QFile::encodeName(file).constData(), RTLD_NOW); }

}  // namespace

QString SharedObjectName(const QString& windowsName) {
    QString base = windowsName;
    if (base.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive)) base.chop(4);
    return QStringLiteral("lib%1.so").arg(base);
}

HMODULE PosixModules::LoadLibraryA(const char* name) {
    if (name == nullptr || *name == '\0') return 0;
    const QString requested = ToQString(name);
    if (requested.contains(u'/')) return reinterpret_cast<HMODULE>(Open(requested));
    const QString file = SharedObjectName(requested);
    const QString beside = ExecutableDirectory() + u'/' + file;
    void* handle = QFileInfo::exists(beside) ? Open(beside) : nullptr;
    if (handle == nullptr) handle = Open(file);
    return reinterpret_cast<HMODULE>(handle);
}

void* PosixModules::GetProcAddress(HMODULE module, const char* name) {
    if (module == 0 || name == nullptr) return nullptr;
    return dlsym(reinterpret_cast<void*>(module), name);
}

bool PosixModules::FreeLibrary(HMODULE module) {
    return module != 0 && dlclose(reinterpret_cast<void*>(module)) == 0;
}

}  // namespace platform::qt
