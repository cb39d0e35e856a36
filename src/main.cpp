#include "rotation.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

static int reportWriteError(int error)
{
    std::fprintf(stderr, "rotation: write error: %s\n", std::strerror(error));
    return 1;
}

int main(int argc, char *argv[])
{
    // A closed standard output would be taken over by the first file Qt opens.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1)
        return reportWriteError(errno);

    QCoreApplication a(argc, argv);

    std::fputs("Debut\n\n", stdout);
    Rotation_F(320, 100);
    std::fputs("Fin\n\n", stdout);

    // The program idles from here until it is ended from outside: the report must leave the
    // buffer now, and a report that could not be written must not pass for a running program.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return reportWriteError(errno);

    return QCoreApplication::exec();
}
