// Drive classification: external disks on USB or IEEE 1394 count as removable.
#pragma once

#include <windows.h>

#include <string>

UINT GetDriveKind(const std::string& Path);
bool IsRemovableDrive(const std::string& Path);
