// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PipeWireGraph.h"
#include "desktop/PipeWireSource.h"

// Active while the desktop casts the screen into PipeWire, which it does for
// every screen shared in a call, recorded or streamed: from the moment the
// cast session starts (its node appears, suspended) until it ends (the node is
// removed). A program that captures an X11 screen through the X server casts
// nothing and is not seen.
class ScreenCastSource final : public PipeWireSource
{
    Q_OBJECT
public:
    explicit ScreenCastSource(PipeWireGraph& graph, QObject* parent = nullptr);

    // Whether the node is a desktop's screen cast.
    static bool isScreenCast(const PipeWireGraph::Node& node);

protected:
    bool activeIn(const PipeWireGraph& graph) const override;
};
