// Controls loaded from files: the memo's lines and the image's bitmap.
#include <gtest/gtest.h>

#include <cstring>

#include "TestForm.h"
#include "Toolkit/Failures.h"

namespace {

// A 2 x 2 bitmap file of 24 bits per pixel.
std::string TinyBitmapFile() {
    const int RowBytes = 8;  // 2 pixels of 3 bytes, padded to 4-byte rows
    BITMAPFILEHEADER File{};
    BITMAPINFOHEADER Info{};
    Info.biSize = sizeof(Info);
    Info.biWidth = 2;
    Info.biHeight = 2;
    Info.biPlanes = 1;
    Info.biBitCount = 24;
    File.bfType = 0x4D42;
    File.bfOffBits = sizeof(File) + sizeof(Info);
    File.bfSize = File.bfOffBits + 2 * RowBytes;
    std::string Bytes(File.bfSize, '\xFF');
    memcpy(&Bytes[0], &File, sizeof(File));
    memcpy(&Bytes[sizeof(File)], &Info, sizeof(Info));
    return Bytes;
}

}  // namespace

TEST(Memo, JoinLinesEndsLinesAtCrLfOrCrLfAndJoinsWithCrLf) {
    const struct {
        const char* Text;
        const char* Shown;
    } Cases[] = {
        {"", ""},
        {"one", "one"},
        {"one\r\ntwo\r\n", "one\r\ntwo"},
        {"one\rtwo\nthree", "one\r\ntwo\r\nthree"},
        {"one\n\r\ntwo", "one\r\n\r\ntwo"},  // LF, then CR LF: an empty line between
        {"one\r\rtwo", "one\r\n\r\ntwo"},
        {"\r\nafter an empty line", "\r\nafter an empty line"},
    };
    for (const auto& Case : Cases) EXPECT_EQ(JoinLines(Case.Text), Case.Shown) << Case.Text;
    const char WithNul[] = "kept\nup to\0 a NUL";
    EXPECT_EQ(JoinLines(std::string(WithNul, sizeof(WithNul) - 1)), "kept\r\nup to");
}

TEST(Memo, LoadsAFileAndFailsWithEFileErrorWhenItCannotBeRead) {
    TTestForm Form;
    EXPECT_EQ(Form.Memo.LineCount(), 0);
    TScratchFile Text("~ToolkitMemo.txt", "first\nsecond\rthird");
    Form.Memo.LoadFromFile(Text.Path());
    EXPECT_EQ(Form.Memo.Text(), "first\r\nsecond\r\nthird");
    EXPECT_EQ(Form.Memo.LineCount(), 3);
    EXPECT_THROW(Form.Memo.LoadFromFile(Text.Path() + ".missing"), EFileError);
    EXPECT_EQ(Form.Memo.LineCount(), 3);  // unchanged by the failure
}

TEST(Image, LoadsABitmapFileAndFailsWithEBitmapErrorOnAnythingElse) {
    TTestForm Form;
    TImage Picture;
    Picture.Create(Form.Panel.Handle(), {0, 0, 10, 10}, 500, 0, "");
    TScratchFile Good("~ToolkitImage.bmp", TinyBitmapFile());
    Picture.LoadFromFile(Good.Path());
    BITMAP Info{};
    ASSERT_TRUE(GetObjectA(Picture.Bitmap(), sizeof(Info), &Info));
    EXPECT_EQ(Info.bmWidth, 2);
    TScratchFile Bad("~ToolkitImage.txt", "not a bitmap");
    EXPECT_THROW(Picture.LoadFromFile(Bad.Path()), EBitmapError);
    EXPECT_THROW(Picture.LoadFromFile(Good.Path() + ".missing"), EBitmapError);
    EXPECT_NE(Picture.Bitmap(), nullptr);  // the loaded picture stays
}
