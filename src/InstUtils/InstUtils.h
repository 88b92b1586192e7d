// The installer utilities: system services, paths, temporary files, drives, message box.
#pragma once

#include "DateTime.h"
#include "Drives.h"
#include "Paths.h"
#include "SetupMessageBox.h"
#include "SystemServices.h"
#include "TempFiles.h"
#include "WinHandles.h"
