#include "platform/program_version.h"

#include <QByteArray>

#include <windows.h>

using namespace Qt::StringLiterals;

QString programVersion()
{
    // The version resource of the running program, read from its image in memory: no path
    // is involved, so the version is there whatever the length of the folder it was
    // started from (the manifest declares long paths; a file name past MAX_PATH is not
    // accepted by every function that reads a file's version).
    const HMODULE self = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(self, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (resource == nullptr)
        return {};
    const DWORD size = SizeofResource(self, resource);
    const HGLOBAL loaded = LoadResource(self, resource);
    const void *data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || size < sizeof(VS_FIXEDFILEINFO))
        return {};
    // The image is read-only and VerQueryValueW may write into the block it is given.
    QByteArray info(static_cast<const char *>(data), static_cast<qsizetype>(size));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &fixedSize)
        || fixed == nullptr || fixedSize < sizeof(VS_FIXEDFILEINFO)
        || fixed->dwSignature != VS_FFI_SIGNATURE) {
        return {};
    }
    // Major, minor and build; the fourth number is not shown.
    return u"%1.%2.%3"_s.arg(HIWORD(fixed->dwFileVersionMS))
        .arg(LOWORD(fixed->dwFileVersionMS))
        .arg(HIWORD(fixed->dwFileVersionLS));
}
