#include "TestState.h"

#include <shlobj.h>

#include <algorithm>

namespace e2e {
namespace {

const char* const RunningProperty = "1.x Quorvantel";
const DWORD StandInLifetimeMs = 120000;
const DWORD StopTimeoutMs = 5000;

TRegKey OpenInstallKey(REGSAM Access) {
    TRegKey Key;
    RegOpenKeyExA(HKEY_CURRENT_USER, InstallKey, 0, Access, Key.Receive());
    return Key;
}

std::string FolderOf(const std::string& Path) { return Path.substr(0, Path.find_last_of('\\')); }

void DeleteSetupTempFiles() {
    const std::string Folder = TempFolder();
    for (const std::string& Name : SetupTempLeftovers()) DeleteTree(Folder + Name);
}

// Asks every stand-in window to close and returns the processes they belong to.
BOOL CALLBACK CloseStandInWindow(HWND Window, LPARAM Param) {
    if (!GetPropA(Window, RunningProperty)) return TRUE;
    DWORD Id = 0;
    GetWindowThreadProcessId(Window, &Id);
    reinterpret_cast<std::vector<DWORD>*>(Param)->push_back(Id);
    PostMessageA(Window, WM_CLOSE, 0, 0);
    return TRUE;
}

std::vector<DWORD> CloseStandInWindows() {
    std::vector<DWORD> Ids;
    EnumWindows(CloseStandInWindow, reinterpret_cast<LPARAM>(&Ids));
    return Ids;
}

void EndProcess(DWORD Id) {
    TKernelHandle Process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, Id));
    if (!Process) return;
    if (WaitForSingleObject(Process.Get(), StopTimeoutMs) == WAIT_TIMEOUT) {
        TerminateProcess(Process.Get(), 99);
        WaitForSingleObject(Process.Get(), StopTimeoutMs);
    }
}

}  // namespace

std::string WindowsPath(const std::string& HostPath) {
    std::string Path = "Z:" + HostPath;
    std::replace(Path.begin(), Path.end(), '/', '\\');
    return Path;
}

std::string SetupExe() { return WindowsPath(E2E_SETUP_EXE); }

std::string StandInExe() { return WindowsPath(E2E_STANDIN_EXE); }

bool operator==(const TRegistryValue& A, const TRegistryValue& B) {
    return A.Type == B.Type && A.Data == B.Data;
}

void PrintTo(const TRegistryValue& Value, std::ostream* Out) {
    *Out << "type " << Value.Type << ", bytes";
    for (unsigned char Byte : Value.Data) *Out << ' ' << static_cast<int>(Byte);
    if (Value.Type == REG_SZ) *Out << " (\"" << Value.Data.c_str() << "\")";
}

void DeleteInstallKey() { RegDeleteTreeA(HKEY_CURRENT_USER, InstallKey); }

std::optional<TRegistryValue> ReadInstallValue(const std::string& Name) {
    const TRegKey Key = OpenInstallKey(KEY_READ);
    DWORD Type = 0, Size = 0;
    if (!Key || RegQueryValueExA(Key.Get(), Name.c_str(), nullptr, &Type, nullptr, &Size) != 0)
        return std::nullopt;
    TRegistryValue Value{Type, std::string(Size, '\0')};
    if (RegQueryValueExA(Key.Get(), Name.c_str(), nullptr, &Type,
                         reinterpret_cast<BYTE*>(Value.Data.data()), &Size) != 0)
        return std::nullopt;
    Value.Data.resize(Size);
    return Value;
}

bool WriteInstallValue(const std::string& Name, const TRegistryValue& Value) {
    TRegKey Key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, InstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        Key.Receive(), nullptr) != 0)
        return false;
    return RegSetValueExA(Key.Get(), Name.c_str(), 0, Value.Type,
                          reinterpret_cast<const BYTE*>(Value.Data.data()),
                          static_cast<DWORD>(Value.Data.size())) == 0;
}

TRegistryValue DwordValue(DWORD Data) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&Data), sizeof Data)};
}

TRegistryValue StringValue(const std::string& Data) {
    return {REG_SZ, Data + std::string(1, '\0')};
}

std::string SpecialFolder(int Csidl) {
    char Path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, Csidl, nullptr, SHGFP_TYPE_CURRENT, Path))) return "";
    return Path;
}

std::string Join(const std::string& Folder, const std::string& Name) {
    if (!Folder.empty() && Folder.back() == '\\') return Folder + Name;
    return Folder + "\\" + Name;
}

bool FolderExists(const std::string& Path) {
    const DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& Path) {
    const DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolders(const std::string& Path) {
    const int Result = SHCreateDirectoryExA(nullptr, Path.c_str(), nullptr);
    return Result == ERROR_SUCCESS || Result == ERROR_ALREADY_EXISTS;
}

void DeleteTree(const std::string& Path) {
    const DWORD Attributes = GetFileAttributesA(Path.c_str());
    if (Attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(Path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(Attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(Path.c_str());
        return;
    }
    for (const std::string& Name : FolderEntries(Path)) DeleteTree(Join(Path, Name));
    RemoveDirectoryA(Path.c_str());
}

std::optional<std::string> ReadWholeFile(const std::string& Path) {
    const TFileHandle File(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER Size = {};
    if (!File || !GetFileSizeEx(File.Get(), &Size)) return std::nullopt;
    std::string Content(static_cast<size_t>(Size.QuadPart), '\0');
    DWORD Read = 0;
    if (!Content.empty() && (!ReadFile(File.Get(), Content.data(),
                                       static_cast<DWORD>(Content.size()), &Read, nullptr) ||
                             Read != Content.size()))
        return std::nullopt;
    return Content;
}

bool WriteWholeFile(const std::string& Path, const std::string& Content) {
    const TFileHandle File(CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD Written = 0;
    return File &&
           WriteFile(File.Get(), Content.data(), static_cast<DWORD>(Content.size()), &Written,
                     nullptr) &&
           Written == Content.size();
}

std::vector<std::string> FolderEntries(const std::string& Folder) {
    std::vector<std::string> Names;
    WIN32_FIND_DATAA Data;
    const TFindHandle Find(FindFirstFileA(Join(Folder, "*").c_str(), &Data));
    if (!Find) return Names;
    do {
        const std::string Name = Data.cFileName;
        if (Name != "." && Name != "..") Names.push_back(Name);
    } while (FindNextFileA(Find.Get(), &Data));
    std::sort(Names.begin(), Names.end());
    return Names;
}

std::string VelmoranDataFolder() { return Join(SpecialFolder(CSIDL_COMMON_APPDATA), "Velmoran"); }

std::string PublicFolder(const std::string& SubFolder) {
    return Join(Join(VelmoranDataFolder(), "Public"), SubFolder);
}

std::string TempFolder() {
    char Path[MAX_PATH + 1] = {};
    const DWORD Length = GetTempPathA(sizeof Path, Path);
    return std::string(Path, Length);
}

std::vector<std::string> SetupTempLeftovers() {
    std::vector<std::string> Found;
    for (const std::string& Name : FolderEntries(TempFolder()))
        if (Name.compare(0, std::string(TempPrefix).size(), TempPrefix) == 0) Found.push_back(Name);
    return Found;
}

std::string ScenarioRoot() { return "C:\\VelmoranScenarios"; }

bool PlaceStandIn(const std::string& Folder) {
    return MakeFolders(Folder) &&
           CopyFileA(StandInExe().c_str(), Join(Folder, "vmr.exe").c_str(), FALSE);
}

std::string MakeHomeFolder(const std::string& Name) {
    const std::string Home = Join(ScenarioRoot(), Name);
    PlaceStandIn(Home);
    return Home;
}

void ResetState() {
    CloseStandIns();
    DeleteInstallKey();
    DeleteTree(VelmoranDataFolder());
    DeleteSetupTempFiles();
    DeleteTree(ScenarioRoot());
    MakeFolders(ScenarioRoot());
}

TStandIn::TStandIn(const std::string& ExePath)
    : FProcess("\"" + ExePath + "\" --exit-after " + std::to_string(StandInLifetimeMs)) {
    const std::string Marker = StandInMarker(FolderOf(ExePath));
    DeleteFileA(Marker.c_str());
    FStarted = FProcess.Running() && WaitUntil([&] { return FileExists(Marker); });
}

void TStandIn::Stop() {
    if (!FProcess.Running()) return;
    for (HWND Window : TopLevelWindows(FProcess.Id())) PostMessageA(Window, WM_CLOSE, 0, 0);
    DWORD ExitCode = 0;
    if (!FProcess.WaitForExit(StopTimeoutMs, ExitCode)) FProcess.Terminate();
}

std::string StandInMarker(const std::string& HomeFolder) {
    return Join(HomeFolder, "vmr-started.txt");
}

void CloseStandIns() {
    for (DWORD Id : CloseStandInWindows()) EndProcess(Id);
}

THeldFile::THeldFile(const std::string& Path)
    : FFile(CreateFileA(Path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

}  // namespace e2e
