// Sends the window titled Gridwick the request a UI Automation client makes first, as Narrator
// or NVDA would on finding it, so that Qt starts serving UI Automation for it.
#include <windows.h>

#include <cstdio>

int main()
{
    HWND window = FindWindowW(nullptr, L"Gridwick");
    if (window == nullptr) {
        std::fputs("no window titled Gridwick\n", stderr);
        return 1;
    }
    // UiaRootObjectId: the request for the window's provider.
    constexpr LPARAM uiaRootObjectId = -25;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(
            window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 10000, &answer)
        == 0) {
        std::fprintf(stderr, "WM_GETOBJECT went unanswered (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("WM_GETOBJECT answered %llu\n", static_cast<unsigned long long>(answer));
    return 0;
}
