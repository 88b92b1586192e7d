// Path, folder and file helpers. Paths are byte strings in the ANSI code page with the
// backslash as separator. None of these functions raises or shows a message: failure
// shows in the result or in the absence of the effect.
#pragma once

#include <string>

// Path converted to UTF-16 for the wide calls: code page 1252, one unit per byte,
// whatever the system's ANSI code page is.
std::wstring ToWide(const std::string& Text);

void AddBackslash(std::string& Path);
std::string PathCombine(const std::string& Folder, const std::string& Name);
char LastChar(const std::string& Text);  // '\0' for the empty string
void DeleteFirstChar(std::string& Text);
void DeleteLastChar(std::string& Text);
bool SameFileName(const std::string& A, const std::string& B);
// Index of the last backslash or colon of Path, npos when none; in a double-byte code page
// (CP_ACP: the system's) the second byte of a character never counts.
size_t LastPathDelimiter(const std::string& Path, unsigned CodePage);
std::string ParentPath(const std::string& Path);
std::string NamePart(const std::string& Path);
std::string DrivePart(const std::string& Path);

bool IsExistingFile(const std::string& Path);
std::string GetCurDir();
void PushCurDir();
void PopCurDir();
bool DirExists(const std::string& Path);
std::string GetSpecialFolder(int Csidl);
double GetFileModified(const std::string& Path);
void ForceDirs(const std::string& Folder);
void WriteTextFile(const std::string& Path, const std::string& Text);
void DeleteTree(const std::string& Folder);
