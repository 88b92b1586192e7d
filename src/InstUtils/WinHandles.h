// Owners for Win32 handles: one type per kind of handle, movable, not copyable, so that a
// handle is closed exactly once, by whoever holds it last.
#pragma once

#include <windows.h>

#include <utility>

template <typename THandle, typename TTraits>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(THandle Handle) : FHandle(Handle) {}
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& Other) noexcept : FHandle(Other.Release()) {}
    TUniqueHandle& operator=(TUniqueHandle&& Other) noexcept {
        if (this != &Other) Reset(Other.Release());
        return *this;
    }

    THandle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != TTraits::Invalid(); }
    THandle Release() { return std::exchange(FHandle, TTraits::Invalid()); }
    void Reset(THandle Handle = TTraits::Invalid()) {
        if (FHandle != TTraits::Invalid()) TTraits::Close(FHandle);
        FHandle = Handle;
    }
    // For APIs that return a handle through a pointer.
    THandle* Receive() {
        Reset();
        return &FHandle;
    }

private:
    THandle FHandle = TTraits::Invalid();
};

struct TFileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE H) { CloseHandle(H); }
};
struct TKernelHandleTraits {  // process, thread, event: NULL means none
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE H) { CloseHandle(H); }
};
struct TFindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE H) { FindClose(H); }
};
struct TRegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY H) { RegCloseKey(H); }
};
template <typename TGdi>
struct TGdiObjectTraits {
    static TGdi Invalid() { return nullptr; }
    static void Close(TGdi H) { DeleteObject(H); }
};
struct TModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE H) { FreeLibrary(H); }
};
struct TIconTraits {  // icons loaded by LoadIcon are shared and never destroyed
    static HICON Invalid() { return nullptr; }
    static void Close(HICON H) { DestroyIcon(H); }
};

using TFileHandle = TUniqueHandle<HANDLE, TFileHandleTraits>;
using TKernelHandle = TUniqueHandle<HANDLE, TKernelHandleTraits>;
using TFindHandle = TUniqueHandle<HANDLE, TFindHandleTraits>;
using TRegKey = TUniqueHandle<HKEY, TRegKeyTraits>;
using TFontHandle = TUniqueHandle<HFONT, TGdiObjectTraits<HFONT>>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiObjectTraits<HBITMAP>>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiObjectTraits<HBRUSH>>;
using TPenHandle = TUniqueHandle<HPEN, TGdiObjectTraits<HPEN>>;
using TModuleHandle = TUniqueHandle<HMODULE, TModuleTraits>;

// Selects a GDI object into a device context for the lifetime of the scope.
class TSelectObject {
public:
    TSelectObject(HDC Dc, HGDIOBJ Object) : FDc(Dc), FOld(SelectObject(Dc, Object)) {}
    ~TSelectObject() { SelectObject(FDc, FOld); }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC FDc;
    HGDIOBJ FOld;
};

// Switches the "no disk in drive" dialogs off for the scope, so that reading an empty card
// reader or floppy drive fails quietly; the previous error mode comes back at its end.
class TCriticalErrorsOff {
public:
    TCriticalErrorsOff() : FOldMode(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~TCriticalErrorsOff() { SetErrorMode(FOldMode); }
    TCriticalErrorsOff(const TCriticalErrorsOff&) = delete;
    TCriticalErrorsOff& operator=(const TCriticalErrorsOff&) = delete;

private:
    UINT FOldMode;
};

// A memory device context, deleted with the scope.
class TMemoryDc {
public:
    explicit TMemoryDc(HDC Compatible) : FDc(CreateCompatibleDC(Compatible)) {}
    ~TMemoryDc() {
        if (FDc) DeleteDC(FDc);
    }
    TMemoryDc(const TMemoryDc&) = delete;
    TMemoryDc& operator=(const TMemoryDc&) = delete;
    HDC Get() const { return FDc; }

private:
    HDC FDc;
};
