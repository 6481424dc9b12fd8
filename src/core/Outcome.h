// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What came of a request: done, or refused with the reason in the user's
// language, for the door it came through to show in its own way (a message
// box, an error reply on the bus, a line on standard error).
struct Outcome {
    QString refusal; // empty when done

    bool isDone() const { return refusal.isEmpty(); }
    static Outcome done() { return {}; }
    static Outcome refused(const QString& reason) { return {reason}; }
};
