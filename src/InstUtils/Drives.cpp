#include "Drives.h"

#include "Paths.h"
#include "SystemServices.h"

namespace {

constexpr DWORD BusType1394 = 4;
constexpr DWORD BusTypeUsb = 7;

// External disks that Windows reports as fixed: on USB or IEEE 1394, or with removable media.
bool IsExternalFixedDisk(const std::string& Drive) {
    TStorageDeviceInfo Info;
    if (System().QueryStorageDevice(Drive, Info) != TStorageQueryResult::sqOK) return false;
    return Info.BusType == BusType1394 || Info.BusType == BusTypeUsb || Info.RemovableMedia;
}

}  // namespace

UINT GetDriveKind(const std::string& Path) {
    std::string Root = DrivePart(Path);
    // No drive part: no root to ask about (GetDriveTypeA would take the current drive's).
    if (Root.empty()) return DRIVE_NO_ROOT_DIR;
    AddBackslash(Root);
    return System().DriveType(Root);
}

bool IsRemovableDrive(const std::string& Path) {
    switch (GetDriveKind(Path)) {
        case DRIVE_REMOVABLE:
            return true;
        case DRIVE_FIXED:
            return IsExternalFixedDisk(DrivePart(Path));
        default:
            return false;
    }
}
