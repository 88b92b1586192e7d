// Temporary files of the setup: names made from one prefix, so that everything the setup
// ever left in the temporary folder is found by name and removed at exit.
#pragma once

#include <string>

std::string GetTempDir();
std::string TempFilePrefix();
std::string MakeTempFileName();
void CleanTempFiles();
