// The product's name in the wizard's texts, and how it is put into them.
#pragma once

#include <string>

extern const char* const ProductName;      // "Velmoran Russian Spellchecker"
extern const char* const ShortProductName; // "Russian Spellchecker"

// Pattern with every "%s" replaced by Value.
std::string FormatCaption(const std::string& Pattern, const std::string& Value);
