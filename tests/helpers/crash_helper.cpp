// SPDX-License-Identifier: GPL-3.0-or-later
// Does library work in a loop until it is killed, for the crash tests.
//   crash_helper save <list file> <first generation>
//     saves generation after generation of lists over the file; prints
//     "saved" once the first is saved.
//   crash_helper library <program folder> <pictures folder> <seed>
//     adds and deletes pictures in the library, as the Add and Delete commands do,
//     one at a time and several at once in the background.
// Prints "ready" once the loop starts.
//   crash_helper serve: runs each such command read, a line with its words split by tabs.
#include "CrashLists.h"
#include "library/PictureBatch.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

int saveLoop(const QString& path, int first)
{
    std::puts("ready");
    std::fflush(stdout);
    for (int number = first;; ++number) {
        QString error;
        if (!PictureListFile::save(path, CrashLists::generation(number), &error)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
            return 1;
        }
        if (number == first) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}

int libraryLoop(const QString& programFolder, const QString& pictures, quint32 seed)
{
    const QStringList sources = QDir(pictures).entryList(QDir::Files, QDir::Name);
    if (sources.isEmpty())
        return 2;

    PictureLibrary library(LibraryFolder(programFolder), PictureSizes{{64, 48}, {16, 12}});
    library.load();
    QRandomGenerator random(seed);

    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        const int count = library.rowCount();
        const bool add = count < 2 || (count < 12 && random.bounded(2) == 0);
        const bool many = add && random.bounded(2) == 0;
        if (many) {
            QStringList chosen;
            for (int i = 0; i < 5; ++i)
                chosen << pictures + QLatin1Char('/') +
                              sources.at(int(random.bounded(quint32(sources.size()))));
            PictureBatch batch(library, PictureBatch::itemsOf(chosen));
            QEventLoop loop;
            QObject::connect(&batch, &PictureBatch::finished, &loop, &QEventLoop::quit);
            batch.start();
            if (!batch.isFinished())
                loop.exec();
        } else if (add) {
            const QString name = sources.at(int(random.bounded(quint32(sources.size()))));
            library.add(pictures + QLatin1Char('/') + name); // a listed name is refused
        } else {
            library.remove(int(random.bounded(quint32(count))));
        }
        // One letter per finished operation, for the test's figures.
        std::fputc(many ? 'b' : add ? 'a' : 'd', stdout);
        std::fflush(stdout);
        QCoreApplication::processEvents();
    }
}

int run(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "save") == 0) {
        QCoreApplication app(argc, argv);
        return saveLoop(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("library"))
        return libraryLoop(args[2], args[3], args[4].toUInt());
    std::fprintf(stderr, "usage: crash_helper save <file> <generation> | library <program "
                         "folder> <pictures folder> <seed>\n");
    return 2;
}

// Forks a child for each command; it prints "child <pid>" first, and "ended" follows its death.
// No Qt object or thread exists here yet, so each child starts as a new process would.
int serve(char* self)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    for (char line[8192]; std::fgets(line, sizeof line, stdin);) {
        if (const pid_t child = fork(); child != 0) {
            waitpid(child, nullptr, 0);
            std::puts("ended");
            continue;
        }
        QList<QByteArray> words = QByteArray(line).trimmed().split('\t');
        QList<char*> argv{self};
        for (QByteArray& word : words)
            argv << word.data();
        std::printf("child %d\n", int(getpid()));
        std::_Exit(run(int(argv.size()), argv.data()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "serve") == 0)
        return serve(argv[0]);
    return run(argc, argv);
}
