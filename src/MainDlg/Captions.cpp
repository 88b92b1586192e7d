#include "MainDlg/Captions.h"

const char* const ProductName = "Velmoran Russian Spellchecker";
const char* const ShortProductName = "Russian Spellchecker";

std::string FormatCaption(const std::string& Pattern, const std::string& Value) {
    std::string Result;
    for (size_t I = 0; I < Pattern.size(); ++I) {
        if (Pattern.compare(I, 2, "%s") == 0) {
            Result += Value;
            ++I;
        } else {
            Result += Pattern[I];
        }
    }
    return Result;
}
