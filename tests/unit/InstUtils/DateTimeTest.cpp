#include <gtest/gtest.h>

#include "InstUtils/DateTime.h"

TEST(DateTime, StampExampleEncodesAsStored) {
    EXPECT_EQ(EncodeDateTime(2024, 1, 1, 12, 0, 0), 45292.5);
    EXPECT_EQ(EncodeDayNumber(1899, 12, 30), 0);
}
