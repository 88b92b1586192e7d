// The floor of the start-up figure: a window with the setup's caption, border and client
// size, and nothing else. Whatever the setup needs beyond this before its first page shows
// is its own start-up cost.
#include <windows.h>

namespace {

const wchar_t* const Caption = L"Velmoran Russian Spellchecker - Setup";
constexpr int ClientWidth = 492, ClientHeight = 351;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(Window, Message, WParam, LParam);
}

HWND CreateBlankWindow(HINSTANCE Instance) {
    WNDCLASSW Class = {};
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = Instance;
    Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    Class.lpszClassName = L"BenchBlankWindow";
    RegisterClassW(&Class);

    RECT Frame = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&Frame, Style, FALSE, 0);
    const int Width = Frame.right - Frame.left, Height = Frame.bottom - Frame.top;
    return CreateWindowExW(0, Class.lpszClassName, Caption, Style,
                           (GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
                           (GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width, Height, nullptr,
                           nullptr, Instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int) {
    HWND Window = CreateBlankWindow(Instance);
    if (!Window) return 1;
    ShowWindow(Window, SW_SHOWNORMAL);
    MSG Message;
    while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
        TranslateMessage(&Message);
        DispatchMessageW(&Message);
    }
    return 0;
}
