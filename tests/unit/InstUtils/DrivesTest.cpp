#include <gtest/gtest.h>

#include <windows.h>

#include "FakeSystemServices.h"
#include "InstUtils/Drives.h"
#include "InstUtils/Paths.h"

namespace {

constexpr DWORD BusScsi = 1, Bus1394 = 4, BusUsb = 7, BusSata = 11, BusNvme = 17;

struct TDriveCase {
    const char* What;
    const char* Path;
    TFakeDrive Drive;
    bool Removable;
    bool Queried;  // whether the volume was opened and asked
};

TFakeDrive Drive(UINT Type, DWORD Bus = BusSata, bool RemovableMedia = false,
                 TStorageQueryResult Query = TStorageQueryResult::sqOK) {
    TFakeDrive D;
    D.Type = Type;
    D.Query = Query;
    D.Device.BusType = Bus;
    D.Device.RemovableMedia = RemovableMedia;
    return D;
}

TEST(Drives, ClassificationByKindBusAndMedia) {
    const TDriveCase Cases[] = {
        {"memory stick", "e:\\", Drive(DRIVE_REMOVABLE, BusUsb), true, false},
        {"memory stick, unopenable", "e:\\", Drive(DRIVE_REMOVABLE, 0, false, TStorageQueryResult::sqOpenFailed), true, false},
        {"external disk on USB", "E:\\Velmoran", Drive(DRIVE_FIXED, BusUsb), true, true},
        {"external disk on IEEE 1394", "e:\\", Drive(DRIVE_FIXED, Bus1394), true, true},
        {"card reader slot", "e:\\", Drive(DRIVE_FIXED, BusScsi, true), true, true},
        {"internal SATA disk", "e:\\a\\b", Drive(DRIVE_FIXED, BusSata), false, true},
        {"internal NVMe disk", "e:\\", Drive(DRIVE_FIXED, BusNvme), false, true},
        {"volume that cannot be opened", "e:\\", Drive(DRIVE_FIXED, BusUsb, true, TStorageQueryResult::sqOpenFailed), false, true},
        {"query the driver rejects", "e:\\", Drive(DRIVE_FIXED, BusUsb, true, TStorageQueryResult::sqQueryFailed), false, true},
        {"network drive", "e:\\", Drive(DRIVE_REMOTE, BusUsb, true), false, false},
        {"CD-ROM", "e:\\", Drive(DRIVE_CDROM, BusUsb, true), false, false},
        {"RAM disk", "e:\\", Drive(DRIVE_RAMDISK, BusUsb, true), false, false},
        {"unknown kind", "e:\\", Drive(DRIVE_UNKNOWN, BusUsb, true), false, false},
    };
    for (const TDriveCase& C : Cases) {
        TFakeSystem Fake;
        Fake.AddDrive("E:", C.Drive);
        EXPECT_EQ(GetDriveKind(C.Path), C.Drive.Type) << C.What;
        EXPECT_EQ(IsRemovableDrive(C.Path), C.Removable) << C.What;
        EXPECT_EQ(Fake.QueriedVolumes, C.Queried ? std::vector<std::string>{DrivePart(C.Path)}
                                                 : std::vector<std::string>{})
            << C.What;
    }
}

TEST(Drives, UncPathsAndPathsWithoutADrive) {
    TFakeSystem Fake;
    Fake.AddDrive("\\\\srv\\share", Drive(DRIVE_REMOTE));
    EXPECT_EQ(GetDriveKind("\\\\srv\\share\\dir\\vmr.exe"), UINT(DRIVE_REMOTE));
    EXPECT_FALSE(IsRemovableDrive("\\\\srv\\share\\dir"));
    EXPECT_FALSE(IsRemovableDrive("x:\\"));  // no such drive
    Fake.AddDrive("C:", Drive(DRIVE_REMOVABLE));
    EXPECT_EQ(GetDriveKind("relative\\dir"), UINT(DRIVE_NO_ROOT_DIR));
    EXPECT_FALSE(IsRemovableDrive("relative\\dir"));
    EXPECT_FALSE(IsRemovableDrive(""));
}

// The real services under Wine: C: is a fixed disk whose volume opens and answers the
// storage query (bus type SCSI, no removable media).
TEST(Drives, RealSystemDriveIsFixedAndNotRemovable) {
    EXPECT_EQ(GetDriveKind("C:\\windows"), UINT(DRIVE_FIXED));
    TStorageDeviceInfo Info;
    Info.BusType = 99;
    ASSERT_EQ(System().QueryStorageDevice("C:", Info), TStorageQueryResult::sqOK);
    EXPECT_NE(Info.BusType, 99u);
    EXPECT_FALSE(IsRemovableDrive("C:\\"));
    EXPECT_EQ(System().QueryStorageDevice("Q:", Info), TStorageQueryResult::sqOpenFailed);
}

}  // namespace
