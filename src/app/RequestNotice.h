// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureBatch.h"

#include <QStringList>

class Dialogs;

// The one notice that tells the user what became of requests from outside
// (scripts, key bindings, later launches): what it says gathers until the
// user closes it, so that a storm of requests never stacks up windows and
// never waits for an answer.
class RequestNotice
{
public:
    explicit RequestNotice(Dialogs& dialogs) : m_dialogs(dialogs) {}

    void refused(const QString& reason);
    // Says something only when not every picture could be added.
    void added(const PictureBatch::Summary& summary, int total);

private:
    void show();
    void startOverOnceClosed();

    Dialogs& m_dialogs;
    QStringList m_reasons; // each once, in the order they came
    PictureBatch::Summary m_adds;
    int m_total = 0;
};
