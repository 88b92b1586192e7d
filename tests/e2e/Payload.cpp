#include "Payload.h"

#include <cstdio>
#include <sstream>

#include "TestState.h"

namespace e2e {
namespace {

void ReplaceAll(std::string& Text, const std::string& From, const std::string& To) {
    for (size_t At = Text.find(From); At != std::string::npos; At = Text.find(From, At + To.size()))
        Text.replace(At, From.size(), To);
}

std::string SourcePath(std::string Source) {
    ReplaceAll(Source, "${DEPS}", E2E_DEPS_DIR);
    ReplaceAll(Source, "${HUNSPELL}", E2E_HUNSPELL_DLL);
    if (Source.empty() || Source[0] != '/') Source = std::string(E2E_PAYLOAD_DIR) + "/" + Source;
    return WindowsPath(Source);
}

// "name<TAB>source<TAB>YYYY-MM-DD hh:mm:ss"
std::optional<TPayloadEntry> ParseLine(const std::string& Line) {
    const size_t First = Line.find('\t');
    const size_t Second = First == std::string::npos ? First : Line.find('\t', First + 1);
    if (Line.empty() || Line[0] == '#' || Second == std::string::npos) return std::nullopt;
    TPayloadEntry Entry;
    Entry.Name = Line.substr(0, First);
    Entry.Source = SourcePath(Line.substr(First + 1, Second - First - 1));
    SYSTEMTIME& T = Entry.Stored;
    if (std::sscanf(Line.c_str() + Second + 1, "%hu-%hu-%hu %hu:%hu:%hu", &T.wYear, &T.wMonth,
                    &T.wDay, &T.wHour, &T.wMinute, &T.wSecond) != 6)
        return std::nullopt;
    return Entry;
}

}  // namespace

std::vector<TPayloadEntry> PayloadEntries() {
    std::vector<TPayloadEntry> Entries;
    const auto Manifest =
        ReadWholeFile(WindowsPath(std::string(E2E_PAYLOAD_DIR) + "/manifest.txt"));
    std::istringstream Lines(Manifest.value_or(""));
    for (std::string Line; std::getline(Lines, Line);) {
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        if (auto Entry = ParseLine(Line)) Entries.push_back(*Entry);
    }
    return Entries;
}

std::optional<TPayloadEntry> FindPayloadEntry(const std::string& Name) {
    for (const TPayloadEntry& Entry : PayloadEntries())
        if (Entry.Name == Name) return Entry;
    return std::nullopt;
}

}  // namespace e2e
