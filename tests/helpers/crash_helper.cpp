// SPDX-License-Identifier: GPL-3.0-or-later
// Does library work in a loop until killed, for the crash tests: runs each line it reads (words
// split by tabs) in a forked child, kills it at the next line and prints "ended".
//   save <list file> <first generation>
//     saves generation after generation of lists over the file; prints
//     "saved" once the first is saved.
//   library <program folder> <pictures folder> <seed>
//     adds and deletes pictures in the library, as the Add and Delete commands do,
//     one at a time and several at once in the background.
// Prints "ready" once the loop starts.
#include "CrashLists.h"
#include "library/PictureBatch.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>
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
            for (int i = 0; i < 3; ++i)
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

int run(const QList<QByteArray>& words, char* program)
{
    int argc = 1;
    QCoreApplication app(argc, &program);
    if (words.size() == 3 && words[0] == "save")
        return saveLoop(QString::fromLocal8Bit(words[1]), words[2].toInt());
    if (words.size() == 4 && words[0] == "library")
        return libraryLoop(QString::fromLocal8Bit(words[1]), QString::fromLocal8Bit(words[2]),
                           words[3].toUInt());
    std::fputs("crash_helper: no such command\n", stderr);
    return 2;
}

} // namespace

// No Qt object or thread exists here yet, so each child starts as a new process would.
int main(int, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    for (char line[8192]; std::fgets(line, sizeof line, stdin);) {
        const pid_t child = fork();
        if (child <= 0) // the child runs the command; a failed fork ends the server
            std::_Exit(child == 0 ? run(QByteArray(line).trimmed().split('\t'), argv[0]) : 1);
        for (int c = 0; c != '\n' && c != EOF;) // the word to kill it, or the input's end
            c = std::getchar();
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::puts("ended");
    }
}
