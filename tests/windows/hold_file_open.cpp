// hold_file_open FILE READY STOP [read]
// Holds FILE open for reading and writing the way a backup program may: others may read
// and write the file, but not delete it. With "read", others may only read it, as while a
// spreadsheet has it open. READY is made once the file is held; the program lets the file
// go and ends when STOP appears, or after two minutes.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kLongestHoldMs = 120000;

bool makeFile(const wchar_t *path)
{
    const HANDLE handle =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    return CloseHandle(handle) != 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const bool othersOnlyRead = argc == 5 && std::wcscmp(argv[4], L"read") == 0;
    if (argc != 4 && !othersOnlyRead) {
        std::fputs("usage: hold_file_open FILE READY STOP [read]\n", stderr);
        return 2;
    }
    const DWORD sharing = othersOnlyRead ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE held = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, sharing, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open the file to hold: error %lu\n", GetLastError());
        return 1;
    }
    if (!makeFile(argv[2])) {
        std::fprintf(stderr, "cannot say that the file is held: error %lu\n", GetLastError());
        return 1;
    }
    for (DWORD waited = 0; waited < kLongestHoldMs; waited += kPollMs) {
        if (GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES)
            break;
        Sleep(kPollMs);
    }
    CloseHandle(held);
    return 0;
}
