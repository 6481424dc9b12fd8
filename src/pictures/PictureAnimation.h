// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>

// The frames of an animated GIF or WebP at the flash window's size, decoded
// ahead of its flash so that each frame comes on time. Only the frames a
// flash can show are decoded: those that begin within the longest display
// duration, the animation looping when it is shorter.
struct PictureAnimation {
    QList<QImage> frames;
    QList<int> delaysMs; // how long each frame stays

    // The frames of one animation take at most this; an animation that needs
    // more shows its first frame only, as a still picture does.
    static constexpr qint64 MaxBytes = 32LL * 1024 * 1024;
    // Each frame is decoded at the file's full size before it is scaled: a
    // small file can ask for many large frames, which would keep a core busy
    // for seconds at every flash of it. Past this it is shown still.
    static constexpr qint64 MaxDecodedPixels = 1'000'000'000;
    // The longest display duration.
    static constexpr int MaxPlayMs = 5000;
    // Shorter frame times are files asking for "as fast as possible", which
    // browsers show at this pace; so does the program.
    static constexpr int MinDelayMs = 20;
    static constexpr int FastDelayMs = 100;

    qint64 bytes() const;

    // The animation in the file at path, by its content, its frames
    // stretched to size or, with fit, as large as fits in it; null when it is
    // no animation, cannot be read, or needs more than maxBytes.
    static std::shared_ptr<const PictureAnimation>
    decode(const QString& path, QSize size, bool fit = false, qint64 maxBytes = MaxBytes);
};
