// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PipeWireSource.h"

class VideoDeviceWatch;

// Active while a call seems to be on: a program records from a microphone, or
// a camera is in use. Seen in PipeWire (a recording stream linked from an
// audio source, a camera node running) and, for programs that open the
// camera themselves as browsers do, at the video devices.
class CallSource final : public PipeWireSource
{
    Q_OBJECT
public:
    // devices: the folder of the video devices (video0, video1, …).
    explicit CallSource(PipeWireGraph& graph, const QString& devices = QStringLiteral("/dev"),
                        QObject* parent = nullptr);

    void setWatching(bool watching) override;

protected:
    bool activeIn(const PipeWireGraph& graph) const override;

private:
    VideoDeviceWatch* m_devices;
};
