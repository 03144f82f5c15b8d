#include <gtest/gtest.h>

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

TEST(Charset, LiteralsAreCodePage936Bytes) {
    EXPECT_EQ(std::strlen("(attributes)文件"), 16u);
}

#ifdef _WIN32
TEST(Charset, AnsiCodePageIs936UnderWine) { EXPECT_EQ(GetACP(), 936u); }
#endif
