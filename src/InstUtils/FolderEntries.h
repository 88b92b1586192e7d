// Walking a folder's entries and deleting them, shared by DeleteTree and CleanTempFiles.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Calls Visit for every entry that a search of Pattern lists ("." and ".." included);
// hidden, system and read-only entries are listed like any other.
void ForEachFolderEntry(const std::string& Pattern, const std::function<void(const WIN32_FIND_DATAA&)>& Visit);

bool IsDotEntry(const WIN32_FIND_DATAA& Entry);

// Deletes the entry found at Path: a folder with all its content, a file, or a folder or
// file link by itself; the target of a link (junction, symbolic link) is never entered.
void DeleteFolderEntry(const std::string& Path, DWORD Attributes);
