#include "data/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, RoundTripsAndReplacements)
{
    // "Größe €" in UTF-8 and in Windows-1252.
    const std::string utf8 = "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC";
    const std::string bytes = "Gr\xF6\xDF" "e \x80";
    EXPECT_EQ(cp1252FromUtf8(utf8), bytes);
    EXPECT_EQ(utf8FromCp1252(bytes), utf8);
    EXPECT_EQ(cp1252FromUtf8("\xE6\x97\xA5"), "?");          // a CJK character
    EXPECT_EQ(cp1252FromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b"); // outside the BMP
    EXPECT_EQ(cp1252FromUtf8("\xC3"), "?");                  // truncated sequence
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(one)), one) << c;
    }
}
