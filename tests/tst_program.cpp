#include "default_report.h"

#include <QtTest>

#include <clocale>
#include <cstdio>

// Runs the program as a user would and reads its standard output through a pipe. It is the
// one just built, or the one that ROTATION_PROGRAM names (an installed package, say).
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void reportsThenIdles_data();
    void reportsThenIdles();
    void frenchLocaleChangesNothing();
    void writeErrorIsReported_data();
    void writeErrorIsReported();
};

namespace {

const QByteArray fullOutput = "Debut\n\n" + defaultReport() + "Fin\n\n";

QString programPath()
{
    return qEnvironmentVariable("ROTATION_PROGRAM", QStringLiteral(ROTATION_PROGRAM));
}

// Starts the program and returns what it has written once the whole report could be there.
QByteArray startAndReadReport(QProcess &program, const QStringList &arguments)
{
    program.start(programPath(), arguments);
    if (!program.waitForStarted())
        return {};
    QByteArray out;
    while (out.size() < fullOutput.size() && program.waitForReadyRead(10000))
        out += program.readAllStandardOutput();
    return out;
}

// After the report the program must stay alive and silent; ends it once that is checked.
void checkIdlesSilently(QProcess &program)
{
    QVERIFY(!program.waitForReadyRead(500));
    QCOMPARE(program.state(), QProcess::Running);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QCOMPARE(program.readAllStandardError(), QByteArray());
    program.kill();
    QVERIFY(program.waitForFinished());
}

} // namespace

void TestProgram::reportsThenIdles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("help and version") << QStringList{"--help", "--version"};
    QTest::newRow("numbers and words") << QStringList{"10", "-5", "Angle=3", ""};
}

void TestProgram::reportsThenIdles()
{
    QFETCH(QStringList, arguments);
    QProcess program;
    QCOMPARE(startAndReadReport(program, arguments), fullOutput);
    checkIdlesSilently(program);
}

void TestProgram::frenchLocaleChangesNothing()
{
    QTemporaryDir locales;
    QVERIFY(locales.isValid());
    QProcess localedef;
    localedef.start("localedef", {"-i", "fr_FR", "-f", "UTF-8", locales.filePath("fr_FR.UTF-8")});
    QVERIFY2(localedef.waitForFinished(60000) && localedef.exitCode() == 0,
             "localedef could not build fr_FR.UTF-8 (Debian package: locales)");

    // The locale must really use a decimal comma, or this test would prove nothing.
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    QVERIFY(std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"));
    char sample[16];
    std::snprintf(sample, sizeof sample, "%.2f", 0.625);
    std::setlocale(LC_NUMERIC, "C");
    qunsetenv("LOCPATH");
    QCOMPARE(QByteArray(sample), QByteArray("0,62"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LOCPATH", locales.path());
    environment.insert("LC_ALL", "fr_FR.UTF-8");
    program.setProcessEnvironment(environment);
    QCOMPARE(startAndReadReport(program, {}), fullOutput);
    checkIdlesSilently(program);
}

void TestProgram::writeErrorIsReported_data()
{
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("full device") << ">/dev/full"
                                 << QByteArray("rotation: write error: No space left on device\n");
    QTest::newRow("closed output")
        << ">&-" << QByteArray("rotation: write error: Bad file descriptor\n");
}

void TestProgram::writeErrorIsReported()
{
    QFETCH(QString, redirection);
    QFETCH(QByteArray, message);
    QProcess program;
    program.start("/bin/sh", {"-c", "exec \"$0\" " + redirection, programPath()});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardError(), message);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
