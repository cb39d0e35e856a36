#include <QCoreApplication>

#include <cstdio>

// Starts like rotation, says it is ready, then idles.
int main(int argc, char *argv[])
{
    QCoreApplication a(argc, argv);
    std::fputs("Fin\n\n", stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}
