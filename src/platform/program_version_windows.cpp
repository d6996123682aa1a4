#include "platform/program_version.h"

#include "platform/folders.h"

#include <QDir>
#include <QList>

#include <string>

#include <windows.h>

using namespace Qt::StringLiterals;

QString programVersion()
{
    // The file version of the program's own file, wherever it is started from.
    const std::optional<QString> file = Folders::programFile();
    if (!file)
        return {};
    const std::wstring path = QDir::toNativeSeparators(*file).toStdWString();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    QList<char> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data()))
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
