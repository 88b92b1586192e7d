// packer: builds the setup's archive resource from a payload manifest.
//
//   packer MANIFEST OUTPUT [-DNAME=VALUE ...] [--image IMAGE]
//
// Each manifest line is "entry name <TAB> source file <TAB> YYYY-MM-DD HH:MM:SS"; blank
// lines and lines starting with '#' are skipped, ${NAME} in a source path is replaced by a
// -D value and a relative source path is taken from the manifest's folder. The entries are
// laid out back to back (name length, name, stored time, size, data) and the image is
// compressed as one zlib stream at the highest level. The output depends on nothing but
// the inputs, so the same inputs give the same bytes.
#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DateTime.h"

namespace {

struct ManifestError {
    std::string Message;
};

[[noreturn]] void Fail(const std::string& Where, const std::string& What) {
    throw ManifestError{Where + ": " + What};
}

std::string Expand(const std::string& Text, const std::map<std::string, std::string>& Vars,
                   const std::string& Where) {
    std::string Out;
    for (size_t I = 0; I < Text.size();) {
        if (Text.compare(I, 2, "${") == 0) {
            size_t End = Text.find('}', I);
            if (End == std::string::npos) Fail(Where, "unterminated ${ in source path");
            std::string Name = Text.substr(I + 2, End - I - 2);
            auto It = Vars.find(Name);
            if (It == Vars.end()) Fail(Where, "no value given for ${" + Name + "} (use -D" + Name + "=...)");
            Out += It->second;
            I = End + 1;
        } else {
            Out += Text[I++];
        }
    }
    return Out;
}

double ParseStoredTime(const std::string& Text, const std::string& Where) {
    int Y, Mo, D, H, Mi, S;
    char Tail;
    if (std::sscanf(Text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &Y, &Mo, &D, &H, &Mi, &S, &Tail) != 6)
        Fail(Where, "time \"" + Text + "\" is not of the form YYYY-MM-DD HH:MM:SS");
    if (!IsValidDate(Y, Mo, D) || H > 23 || Mi > 59 || S > 59 || H < 0 || Mi < 0 || S < 0)
        Fail(Where, "time \"" + Text + "\" is not a valid date and time");
    if (Y < 1980 || Y > 2099 || S % 2 != 0)
        Fail(Where, "time \"" + Text + "\" has no two-second form (years 1980 to 2099, even seconds)");
    return EncodeDateTime(Y, Mo, D, H, Mi, S);
}

std::vector<std::string> SplitTabs(const std::string& Line) {
    std::vector<std::string> Fields;
    std::stringstream In(Line);
    for (std::string F; std::getline(In, F, '\t');) Fields.push_back(F);
    return Fields;
}

template <typename T>
void AppendLittleEndian(std::vector<uint8_t>& Out, T Value) {
    uint8_t Bytes[sizeof(T)];
    std::memcpy(Bytes, &Value, sizeof(T));  // the build host is little-endian, as is Windows
    Out.insert(Out.end(), Bytes, Bytes + sizeof(T));
}

void AppendEntry(std::vector<uint8_t>& Image, const std::string& Line, int LineNo,
                 const std::string& ManifestPath, const std::string& BaseDir,
                 const std::map<std::string, std::string>& Vars) {
    std::string Where = ManifestPath + ":" + std::to_string(LineNo);
    std::vector<std::string> F = SplitTabs(Line);
    if (F.size() != 3) Fail(Where, "expected three tab-separated fields: name, source, time");
    const std::string& Name = F[0];
    if (Name.size() > 255) Fail(Where, "entry name is longer than 255 bytes");
    std::string Source = Expand(F[1], Vars, Where);
    if (!Source.empty() && Source[0] != '/') Source = BaseDir + Source;
    double Time = ParseStoredTime(F[2], Where);

    std::ifstream In(Source, std::ios::binary | std::ios::ate);
    if (!In) Fail(Where, "cannot read source file " + Source + ": " + std::strerror(errno));
    std::streamoff Size = In.tellg();
    if (Size > INT32_MAX) Fail(Where, "source file " + Source + " is larger than 2 GiB");
    In.seekg(0);

    Image.push_back(uint8_t(Name.size()));
    Image.insert(Image.end(), Name.begin(), Name.end());
    AppendLittleEndian(Image, Time);
    AppendLittleEndian(Image, int32_t(Size));
    size_t At = Image.size();
    Image.resize(At + size_t(Size));
    if (Size > 0 && !In.read(reinterpret_cast<char*>(&Image[At]), Size))
        Fail(Where, "cannot read source file " + Source);
}

std::vector<uint8_t> BuildImage(const std::string& ManifestPath,
                                const std::map<std::string, std::string>& Vars) {
    std::ifstream In(ManifestPath);
    if (!In) Fail(ManifestPath, "cannot open manifest");
    size_t Slash = ManifestPath.rfind('/');
    std::string BaseDir = Slash == std::string::npos ? "" : ManifestPath.substr(0, Slash + 1);
    std::vector<uint8_t> Image;
    int LineNo = 0;
    for (std::string Line; std::getline(In, Line);) {
        ++LineNo;
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        if (Line.empty() || Line[0] == '#') continue;
        AppendEntry(Image, Line, LineNo, ManifestPath, BaseDir, Vars);
    }
    return Image;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& Image) {
    uLongf Size = compressBound(Image.size());
    std::vector<uint8_t> Out(Size);
    if (compress2(Out.data(), &Size, Image.data(), Image.size(), Z_BEST_COMPRESSION) != Z_OK)
        throw ManifestError{"zlib compression failed"};
    Out.resize(Size);
    return Out;
}

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes) {
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    if (!Out) throw ManifestError{"cannot write " + Path};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Vars;
    std::string ImagePath;
    for (int I = 1; I < argc; ++I) {
        std::string A = argv[I];
        if (A.rfind("-D", 0) == 0 && A.find('=') != std::string::npos) {
            size_t Eq = A.find('=');
            Vars[A.substr(2, Eq - 2)] = A.substr(Eq + 1);
        } else if (A == "--image" && I + 1 < argc) {
            ImagePath = argv[++I];
        } else {
            Positional.push_back(A);
        }
    }
    if (Positional.size() != 2) {
        std::cerr << "usage: packer MANIFEST OUTPUT [-DNAME=VALUE ...] [--image IMAGE]\n";
        return 2;
    }
    try {
        std::vector<uint8_t> Image = BuildImage(Positional[0], Vars);
        if (!ImagePath.empty()) WriteFile(ImagePath, Image);
        WriteFile(Positional[1], Compress(Image));
    } catch (const ManifestError& E) {
        std::cerr << "packer: " << E.Message << "\n";
        return 1;
    }
    return 0;
}
