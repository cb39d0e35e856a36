#include "two_decimals.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

// formatTwoDecimals must give printf's "%.2f" byte for byte, NaN's sign aside.
class TestTwoDecimals : public QObject
{
    Q_OBJECT

private slots:
    void matchesPrintf_data();
    void matchesPrintf();
    void matchesPrintfAcrossAllBitPatterns();
    void nanHasNoSign_data();
    void nanHasNoSign();
};

namespace {

float fromBits(std::uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray formatted(float value)
{
    char text[twoDecimalsMaxLength];
    return QByteArray(text, static_cast<int>(formatTwoDecimals(text, value) - text));
}

QByteArray printfFormatted(float value)
{
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.2f", double{value});
    return QByteArray(text, length);
}

} // namespace

void TestTwoDecimals::matchesPrintf_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("expected");
    const float infinity = std::numeric_limits<float>::infinity();

    QTest::newRow("zero") << 0.0F << QByteArray("0.00");
    QTest::newRow("negative zero") << -0.0F << QByteArray("-0.00");
    QTest::newRow("tiny negative rounds to -0.00") << -1e-7F << QByteArray("-0.00");
    QTest::newRow("smallest subnormal") << fromBits(1) << QByteArray("0.00");
    QTest::newRow("largest subnormal") << fromBits(0x007FFFFF) << QByteArray("0.00");
    QTest::newRow("smallest normal") << std::numeric_limits<float>::min() << QByteArray("0.00");
    QTest::newRow("tie 0.125 to even") << 0.125F << QByteArray("0.12");
    QTest::newRow("tie 0.375 to even") << 0.375F << QByteArray("0.38");
    QTest::newRow("tie 0.625 to even") << 0.625F << QByteArray("0.62");
    QTest::newRow("tie 1.875 to even") << 1.875F << QByteArray("1.88");
    QTest::newRow("tie -3.125 to even") << -3.125F << QByteArray("-3.12");
    QTest::newRow("tie 99.375 to even") << 99.375F << QByteArray("99.38");
    QTest::newRow("tie with a 24-bit mantissa") << 1048576.125F << QByteArray("1048576.12");
    QTest::newRow("just above a tie") << std::nextafter(0.125F, 1.0F) << QByteArray("0.13");
    QTest::newRow("just below a tie") << std::nextafter(0.375F, 0.0F) << QByteArray("0.37");
    QTest::newRow("0.005 is held below the half") << 0.005F << QByteArray("0.00");
    QTest::newRow("carry into the units") << 9.999F << QByteArray("10.00");
    QTest::newRow("2^24") << 16777216.0F << QByteArray("16777216.00");
    QTest::newRow("largest in 64-bit hundredths")
        << std::ldexp(16777215.0F, 32) << QByteArray("72057589742960640.00");
    QTest::newRow("first beyond them")
        << std::ldexp(1.0F, 56) << QByteArray("72057594037927936.00");
    QTest::newRow("largest float") << std::numeric_limits<float>::max()
                                   << QByteArray("340282346638528859811704183484516925440.00");
    QTest::newRow("-largest float") << -std::numeric_limits<float>::max()
                                    << QByteArray("-340282346638528859811704183484516925440.00");
    QTest::newRow("infinity") << infinity << QByteArray("inf");
    QTest::newRow("-infinity") << -infinity << QByteArray("-inf");
}

void TestTwoDecimals::matchesPrintf()
{
    QFETCH(float, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(printfFormatted(value), expected); // the row itself states printf's answer
    QCOMPARE(formatted(value), expected);
}

// Every 1021st of the 2^32 bit patterns (1021 is prime, so the sample walks through all
// exponents and low mantissa bits), about four million values, against snprintf.
void TestTwoDecimals::matchesPrintfAcrossAllBitPatterns()
{
    const std::uint64_t stride = 1021;
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFF; bits += stride) {
        const float value = fromBits(static_cast<std::uint32_t>(bits));
        if (std::isnan(value))
            continue;
        const QByteArray actual = formatted(value);
        const QByteArray expected = printfFormatted(value);
        if (actual != expected)
            QFAIL(qPrintable(QString::asprintf("bits 0x%08llx: \"%s\", printf \"%s\"",
                                               static_cast<unsigned long long>(bits),
                                               actual.constData(), expected.constData())));
    }
}

void TestTwoDecimals::nanHasNoSign_data()
{
    QTest::addColumn<std::uint32_t>("bits");
    QTest::newRow("quiet") << std::uint32_t{0x7FC00000};
    QTest::newRow("negative quiet, as 0/0 gives on x86") << std::uint32_t{0xFFC00000};
    QTest::newRow("signalling") << std::uint32_t{0x7F800001};
    QTest::newRow("negative with payload") << std::uint32_t{0xFFFFFFFF};
}

void TestTwoDecimals::nanHasNoSign()
{
    QFETCH(std::uint32_t, bits);
    QCOMPARE(formatted(fromBits(bits)), QByteArray("nan"));
}

QTEST_APPLESS_MAIN(TestTwoDecimals)
#include "tst_two_decimals.moc"
