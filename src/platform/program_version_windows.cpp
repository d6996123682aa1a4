#include "platform/program_version.h"

#include <QList>

#include <windows.h>

using namespace Qt::StringLiterals;

QString programVersion()
{
    // The file version of the program's own file, wherever it is started from.
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return {};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0)
        return {};
    QList<char> info(size);
    if (!GetFileVersionInfoW(path, 0, size, info.data()))
        return {};
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &fixedSize)
        || fixed == nullptr || fixedSize < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    // Major, minor and build; the fourth number is not shown.
    return u"%1.%2.%3"_s.arg(HIWORD(fixed->dwFileVersionMS))
        .arg(LOWORD(fixed->dwFileVersionMS))
        .arg(HIWORD(fixed->dwFileVersionLS));
}
