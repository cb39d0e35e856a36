#pragma once

#include <QByteArray>

// The report of the program's own call, Rotation_F(320, 100), built from its rule rather than
// from the program: the step is 200/320 = 0.625 exactly, row i shows i steps while rising and
// 320 - i steps while falling, and every such level is held exactly. "%.2f" rounds the exact
// value half to even, so 0.625 shows as 0.62 and 1.875 as 1.88.
inline QByteArray twoDecimals(int steps)
{
    const int halfHundredths = steps * 125; // one step is 62.5 hundredths
    int hundredths = halfHundredths / 2;
    if (halfHundredths % 2 != 0 && hundredths % 2 != 0)
        ++hundredths; // a tie: round to the even neighbour
    return QByteArray::number(hundredths / 100) + '.'
        + QByteArray::number(hundredths % 100).rightJustified(2, '0');
}

inline QByteArray defaultReport()
{
    QByteArray report = "pas : 0.62\n";
    for (int i = 0; i < 320; ++i)
        report += QByteArray::number(i) + '\t' + twoDecimals(i < 160 ? i : 320 - i) + '\n';
    report += "320\t0.62\n\n\npas : 0.62 => 2*100/320\n";
    return report;
}
