// Stands in for the browser in the window scripts' Wine prefix: the page or address it is
// asked to open is added as one line to the file MORVANE_OPENED_LOG names, which the
// program hands down from the driver that started it.
#include <cstdio>
#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t* argv[])
{
    const wchar_t* log = _wgetenv(L"MORVANE_OPENED_LOG");
    if (argc < 2 || !log)
        return 1;
    FILE* file = _wfopen(log, L"a, ccs=UTF-8");
    if (!file)
        return 1;
    std::fwprintf(file, L"%ls\n", argv[1]);
    std::fclose(file);
    return 0;
}
