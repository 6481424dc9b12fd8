// SPDX-License-Identifier: GPL-3.0-or-later
// Switching between sets of a library of 2,000 pictures, every picture
// already prepared: the median time of a switch, to a set of all of them and
// to one of half, each with settings of its own. Run with
// QT_QPA_PLATFORM=offscreen.
#include "Fakes.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "core/FlashDisplay.h"
#include "core/FlashSequence.h"
#include "core/Session.h"
#include "library/PictureLibrary.h"
#include "library/PictureSets.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace
{

// The run is never started: nothing is shown.
class NothingShown final : public FlashDisplay
{
public:
    void prepare() override {}
    void show(const QImage&, const QPointF&, int) override {}
    void remove() override {}
    void release() override {}
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    constexpr int Pictures = 2000;
    TestServices test;
    const QStringList names = pictureNames(Pictures);
    writeLibrary(test, names);
    NothingShown display;
    Session session(test.services, display);
    session.load();
    session.library().store().waitForAll();

    const PictureSets sets = session.sets();
    QString error;
    QStringList half;
    for (int i = 0; i < Pictures; i += 2)
        half << names.at(i);
    if (!sets.save(QStringLiteral("all"), names, &error) ||
        !sets.save(QStringLiteral("half"), half, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    for (const char* name : {"all", "half"})
        TestPictures::bytes(sets.settingsOf(QLatin1String(name)),
                            "[settings]\nDispInterval=3\n[look]\nOpacity=80\n");

    QList<double> switches;
    for (int run = 0; run < 41; ++run) {
        const QString set = run % 2 == 0 ? QStringLiteral("all") : QStringLiteral("half");
        QElapsedTimer timer;
        timer.start();
        if (!session.chooseSet(set).isDone())
            return 1;
        switches << double(timer.nsecsElapsed()) / 1e6;
        if (session.sequence().slotCount() != (run % 2 == 0 ? Pictures : Pictures / 2))
            return 1;
    }
    std::sort(switches.begin(), switches.end());
    std::printf("switch between sets of %d and %d of %d pictures: median %.2f ms, longest "
                "%.2f ms (41 switches)\n",
                Pictures, Pictures / 2, Pictures, switches.at(switches.size() / 2),
                switches.constLast());
    return 0;
}
