// SPDX-License-Identifier: GPL-3.0-or-later
// Messages: loading 10,000 of them (time and memory), and drawing one at a
// 3840 x 2160 screen, short and at the longest, in each size. Prints medians
// of repeated runs. Run with QT_QPA_PLATFORM=offscreen.
#include "core/MessagePicture.h"
#include "library/MessageFile.h"
#include "library/MessageList.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace
{

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Resident memory of this process, in kB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("messages.txt"));
    QStringList written;
    for (int i = 0; i < MessageFile::MaxMessages; ++i)
        written << QStringLiteral("Message %1: every day I take one small step towards my goal.")
                       .arg(i);
    QString error;
    if (!MessageFile::save(file, written, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QList<double> loads;
    long added = 0;
    for (int run = 0; run < 9; ++run) {
        const long before = residentKb();
        auto* list = new MessageList(file);
        QElapsedTimer timer;
        timer.start();
        list->load();
        loads << timer.nsecsElapsed() / 1e6;
        added = std::max(added, residentKb() - before);
        delete list;
    }
    std::printf("10,000 messages: loaded in %.1f ms (median of 9), %.1f MB added\n", median(loads),
                added / 1024.0);

    const QStringList texts{QStringLiteral("I keep going."),
                            QString(MessageFile::MaxLength, u'w')
                                .replace(QStringLiteral("wwwww"), QStringLiteral("word "))};
    const char* sizes[] = {"small", "medium", "large", "as large as fits"};
    for (const QString& text : texts)
        for (int size = 0; size < 4; ++size) {
            MessageLook look;
            look.size = MessageLook::Size(size);
            QList<double> draws;
            QSize drawn;
            for (int run = 0; run < 15; ++run) {
                QElapsedTimer timer;
                timer.start();
                drawn = MessagePicture::draw(text, look, QSize(3840, 2160), 1.0, false).size();
                draws << timer.nsecsElapsed() / 1e6;
            }
            std::printf("%3lld characters, %-16s: drawn in %6.2f ms (median of 15), %d x %d\n",
                        qlonglong(text.size()), sizes[size], median(draws), drawn.width(),
                        drawn.height());
        }
    return 0;
}
