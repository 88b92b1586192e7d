#include "SystemServices.h"

#include <shlobj.h>
#include <winioctl.h>

#include <array>
#include <cstddef>
#include <cstring>

#include "DateTime.h"
#include "Paths.h"
#include "SystemLibraries.h"
#include "WinHandles.h"

namespace {

TSystemServices RealServices;
TSystemServices* CurrentServices = &RealServices;

constexpr DWORD NameBufferSize = 261;
constexpr DWORD DescriptorBufferSize = 548;


// WNetGetConnectionA is looked up: mpr.dll is no KnownDLL and must not be imported.
using TWNetGetConnectionA = DWORD(WINAPI*)(LPCSTR, LPSTR, LPDWORD);

TWNetGetConnectionA NetConnectionFunction() {
    static TModuleHandle Module = LoadSystemLibrary("mpr.dll");
    static auto Function = Module ? reinterpret_cast<TWNetGetConnectionA>(
                                        GetProcAddress(Module.Get(), "WNetGetConnectionA"))
                                  : nullptr;
    return Function;
}

bool SendStorageQuery(HANDLE Volume, TStorageDeviceInfo& Info) {
    std::array<BYTE, 12> Query{};  // StorageDeviceProperty, PropertyStandardQuery
    static_assert(sizeof(STORAGE_PROPERTY_QUERY) == 12, "query layout");
    std::array<BYTE, DescriptorBufferSize> Descriptor{};
    const DWORD Size = DescriptorBufferSize;
    std::memcpy(Descriptor.data() + offsetof(STORAGE_DEVICE_DESCRIPTOR, Size), &Size, sizeof Size);
    DWORD Returned = 0;
    if (!DeviceIoControl(Volume, IOCTL_STORAGE_QUERY_PROPERTY, Query.data(), DWORD(Query.size()),
                         Descriptor.data(), DWORD(Descriptor.size()), &Returned, nullptr))
        return false;
    Info.RemovableMedia = Descriptor[offsetof(STORAGE_DEVICE_DESCRIPTOR, RemovableMedia)] != 0;
    std::memcpy(&Info.BusType, Descriptor.data() + offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType),
                sizeof Info.BusType);
    return true;
}

}  // namespace

int TSystemServices::ShowMessageBox(HWND Owner, const std::wstring& Text, const std::wstring& Caption,
                                    UINT Style, WORD Language) {
    return MessageBoxExW(Owner, Text.c_str(), Caption.c_str(), Style, Language);
}

DWORD TSystemServices::LogicalDrives() { return GetLogicalDrives(); }

UINT TSystemServices::DriveType(const std::string& Root) { return GetDriveTypeA(Root.c_str()); }

bool TSystemServices::VolumeInformation(const std::string& Root, std::string& Label, DWORD& Flags) {
    char Buffer[NameBufferSize] = {};
    DWORD FileSystemFlags = 0;
    TCriticalErrorsOff NoDiskDialogs;
    if (!GetVolumeInformationA(Root.c_str(), Buffer, NameBufferSize, nullptr, nullptr,
                               &FileSystemFlags, nullptr, 0))
        return false;
    Label = Buffer;
    Flags = FileSystemFlags;
    return true;
}

bool TSystemServices::NetworkName(const std::string& Drive, std::string& RemoteName) {
    TWNetGetConnectionA GetConnection = NetConnectionFunction();
    if (!GetConnection) return false;
    char Buffer[NameBufferSize] = {};
    DWORD Length = NameBufferSize;
    if (GetConnection(Drive.c_str(), Buffer, &Length) != NO_ERROR) return false;
    Buffer[NameBufferSize - 1] = '\0';
    RemoteName = Buffer;
    return true;
}

TStorageQueryResult TSystemServices::QueryStorageDevice(const std::string& DrivePart,
                                                        TStorageDeviceInfo& Info) {
    TFileHandle Volume(CreateFileW(ToWide("\\\\.\\" + DrivePart).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                   nullptr));
    if (!Volume) return TStorageQueryResult::sqOpenFailed;
    return SendStorageQuery(Volume.Get(), Info) ? TStorageQueryResult::sqOK
                                                : TStorageQueryResult::sqQueryFailed;
}

HRESULT TSystemServices::SpecialFolderPath(int Csidl, std::string& Path) {
    TSHGetFolderPathA GetFolderPath = FolderPathFunction();
    if (!GetFolderPath) return E_NOTIMPL;
    std::string Buffer(MAX_PATH, '\0');
    HRESULT Result = GetFolderPath(nullptr, Csidl, nullptr, SHGFP_TYPE_CURRENT, &Buffer[0]);
    if (Result == S_OK) Path = Buffer.substr(0, Buffer.find('\0'));
    return Result;
}

double TSystemServices::Now() {
    SYSTEMTIME T;
    GetLocalTime(&T);
    double TimeOfDay = (T.wHour * 3600000.0 + T.wMinute * 60000.0 + T.wSecond * 1000.0 + T.wMilliseconds) /
                       86400000.0;
    return EncodeDayNumber(T.wYear, T.wMonth, T.wDay) + TimeOfDay;
}

UINT TSystemServices::Launch(const std::string& CommandLine, UINT ShowCommand) {
    return WinExec(CommandLine.c_str(), ShowCommand);
}

TSystemServices& System() { return *CurrentServices; }

void SetSystemServices(TSystemServices* Services) {
    CurrentServices = Services ? Services : &RealServices;
}
