#include "default_report.h"
#include "printf_profile.h"
#include "rotation.h"

#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

class TestRotation : public QObject
{
    Q_OBJECT

private slots:
    void defaultReport_isDerivedFromTheRule();
    void report_data();
    void report();
    void matchesPlainPrintf_data();
    void matchesPlainPrintf();
};

namespace {

// Everything `write` writes to a stream, read back from a temporary file.
template <typename Write>
QByteArray captured(Write write)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::tmpfile(), &std::fclose);
    if (!file)
        qFatal("tmpfile: %s", std::strerror(errno));
    write(file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0)
        qFatal("fseek: %s", std::strerror(errno));
    QByteArray text;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, static_cast<int>(n));
    return text;
}

} // namespace

// Anchors the fixture to the rows and sizes that the program is known to print.
void TestRotation::defaultReport_isDerivedFromTheRule()
{
    const QByteArray fixture = defaultReport();
    QCOMPARE(fixture.size(), 3106);
    QCOMPARE(fixture.count('\n'), 325);
    const QList<QByteArray> lines = fixture.split('\n');
    QCOMPARE(lines.at(0), QByteArray("pas : 0.62"));
    QCOMPARE(lines.at(1 + 3), QByteArray("3\t1.88"));
    QCOMPARE(lines.at(1 + 5), QByteArray("5\t3.12"));
    QCOMPARE(lines.at(1 + 159), QByteArray("159\t99.38"));
    QCOMPARE(lines.at(1 + 160), QByteArray("160\t100.00"));
    QCOMPARE(lines.at(1 + 161), QByteArray("161\t99.38"));
    QCOMPARE(lines.at(1 + 319), QByteArray("319\t0.62"));
}

void TestRotation::report_data()
{
    QTest::addColumn<std::int32_t>("Angle");
    QTest::addColumn<std::int32_t>("PowerMax");
    QTest::addColumn<QByteArray>("expected");

    const std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

    QTest::newRow("the program's call: every odd row a tie") << 320 << 100 << defaultReport();
    QTest::newRow("odd angle: peak falls short")
        << 5 << 10
        << QByteArray("pas : 4.00\n0\t0.00\n1\t4.00\n2\t8.00\n3\t4.00\n4\t0.00\n"
                      "5\t4.00\n\n\npas : 4.00 => 2*10/5\n");
    QTest::newRow("single-precision drift ends below zero")
        << 7 << 10
        << QByteArray("pas : 2.86\n0\t0.00\n1\t2.86\n2\t5.71\n3\t8.57\n4\t5.71\n5\t2.86\n"
                      "6\t-0.00\n7\t2.86\n\n\npas : 2.86 => 2*10/7\n");
    QTest::newRow("one unit: a single falling row")
        << 1 << 100
        << QByteArray("pas : 200.00\n0\t0.00\n1\t200.00\n\n\npas : 200.00 => 2*100/1\n");
    QTest::newRow("three units: a step that is not exact")
        << 3 << 100
        << QByteArray("pas : 66.67\n0\t0.00\n1\t66.67\n2\t0.00\n3\t66.67\n\n\n"
                      "pas : 66.67 => 2*100/3\n");
    QTest::newRow("negative angle: no rows")
        << -5 << 100 << QByteArray("pas : -40.00\n-5\t-40.00\n\n\npas : -40.00 => 2*100/-5\n");
    QTest::newRow("zero over a negative angle is -0")
        << -5 << 0 << QByteArray("pas : -0.00\n-5\t-0.00\n\n\npas : -0.00 => 2*0/-5\n");
    QTest::newRow("zero angle: inf")
        << 0 << 100 << QByteArray("pas : inf\n0\tinf\n\n\npas : inf => 2*100/0\n");
    QTest::newRow("zero angle: -inf")
        << 0 << -100 << QByteArray("pas : -inf\n0\t-inf\n\n\npas : -inf => 2*-100/0\n");
    QTest::newRow("zero angle, zero power: nan without a sign")
        << 0 << 0 << QByteArray("pas : nan\n0\tnan\n\n\npas : nan => 2*0/0\n");
    // Doubled in 32 bits these would wrap to -2^31 and to 0.
    QTest::newRow("doubling 2^30 does not wrap")
        << -1 << (1 << 30)
        << QByteArray("pas : -2147483648.00\n-1\t-2147483648.00\n\n\n"
                      "pas : -2147483648.00 => 2*1073741824/-1\n");
    QTest::newRow("doubling -2^31 does not wrap")
        << -1 << int32Min
        << QByteArray("pas : 4294967296.00\n-1\t4294967296.00\n\n\n"
                      "pas : 4294967296.00 => 2*-2147483648/-1\n");
    QTest::newRow("most negative angle")
        << int32Min << 100
        << QByteArray("pas : -0.00\n-2147483648\t-0.00\n\n\npas : -0.00 => 2*100/-2147483648\n");
    // 869583136 / 2147118927 = 0.40499998629...: the nearest float is 0.4050000012 ("0.41").
    // The double quotient lands exactly halfway between it and 0.4049999714, and rounding that
    // again to float picks the even one, 0.4049999714 ("0.40").
    QTest::newRow("step rounded once, not twice")
        << -2147118927 << 434791568
        << QByteArray("pas : -0.41\n-2147118927\t-0.41\n\n\n"
                      "pas : -0.41 => 2*434791568/-2147118927\n");
}

void TestRotation::report()
{
    QFETCH(std::int32_t, Angle);
    QFETCH(std::int32_t, PowerMax);
    QFETCH(QByteArray, expected);

    int result = 0;
    QCOMPARE(captured([&](std::FILE *out) { result = Rotation_F(Angle, PowerMax, out); }),
             expected);
    QCOMPARE(result, 1);
}

void TestRotation::matchesPlainPrintf_data()
{
    QTest::addColumn<std::int32_t>("Angle");
    QTest::addColumn<std::int32_t>("PowerMax");

    QTest::newRow("the program's call") << 320 << 100;
    QTest::newRow("negative angle") << -7 << 5;
    QTest::newRow("a million and one rows, drifting") << 1000001 << 3;
    QTest::newRow("large levels") << 1000000 << 1000000000;
    QTest::newRow("negative levels, drifting") << 999998 << -7;
    QTest::newRow("tiny step") << 2000000 << 1;
}

// Long profiles cross the routine's output buffer many times and drift far from exact
// multiples of the step; every byte must still be what one fprintf per line gives.
void TestRotation::matchesPlainPrintf()
{
    QFETCH(std::int32_t, Angle);
    QFETCH(std::int32_t, PowerMax);

    const QByteArray actual = captured([&](std::FILE *out) { Rotation_F(Angle, PowerMax, out); });
    const QByteArray expected =
        captured([&](std::FILE *out) { printfProfile(Angle, PowerMax, out); });
    if (actual != expected) {
        // Show the first line that differs rather than two megabytes.
        int at = 0;
        while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
            ++at;
        const int lineStart = expected.lastIndexOf('\n', at - 1) + 1;
        QCOMPARE(actual.mid(lineStart).split('\n').first(),
                 expected.mid(lineStart).split('\n').first());
        QCOMPARE(actual.size(), expected.size());
    }
}

QTEST_APPLESS_MAIN(TestRotation)
#include "tst_rotation.moc"
