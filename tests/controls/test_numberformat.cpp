#include "NumberFormat.h"

#include "Printers.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char16_t* format;
    double value;
    const char16_t* expected;
};

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, FormatsAsPrintfWouldOrKeepsTheText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(controls::formatNumber(QStringView(c.format), c.value), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumber,
    ::testing::Values(FormatCase{u"%8.3f", 3.14159, u"   3.142"}, FormatCase{u"%-8.1f|", -2.5, u"-2.5    |"},
                      FormatCase{u"%+.2e", 12345.678, u"+1.23e+04"}, FormatCase{u"%g", 0.0001, u"0.0001"},
                      FormatCase{u"%08.2f", -1.5, u"-0001.50"}, FormatCase{u"%.0f", 2.5, u"2"},
                      FormatCase{u"%lf", 1.0, u"1.000000"}, FormatCase{u"%5.1f", -0.0, u" -0.0"},
                      // more than the classic 20-byte buffer held: shown whole
                      FormatCase{u"%30.3f", 1.0, u"                         1.000"},
                      FormatCase{u"%.3f", 1e20, u"100000000000000000000.000"},
                      FormatCase{u"値=%6.2f円 (100%%)", 12.5, u"値= 12.50円 (100%)"},
                      // conversions that would not read this one double stay as written
                      FormatCase{u"%d", 7.0, u"%d"}, FormatCase{u"%s", 7.0, u"%s"},
                      FormatCase{u"%n", 7.0, u"%n"}, FormatCase{u"%*f", 7.0, u"%*f"},
                      FormatCase{u"%Lf", 7.0, u"%Lf"}, FormatCase{u"%.1f %.1f", 7.0, u"7.0 %.1f"},
                      FormatCase{u"abc", 7.0, u"abc"}, FormatCase{u"%", 7.0, u"%"},
                      FormatCase{u"", 7.0, u""}));

} // namespace
