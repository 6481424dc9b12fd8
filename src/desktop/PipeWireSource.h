// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

class PipeWireGraph;

// A pause source that reads the user's PipeWire graph, shared with other
// such sources. Clear while PipeWire is missing or restarting.
class PipeWireSource : public PauseSource
{
    Q_OBJECT
public:
    ~PipeWireSource() override;

    void setWatching(bool watching) override;

protected:
    PipeWireSource(PipeWireGraph& graph, QObject* parent);

    bool isWatching() const { return m_watching; }
    // Whether the graph as it is now makes the source active.
    virtual bool activeIn(const PipeWireGraph& graph) const = 0;
    void update();

private:
    PipeWireGraph& m_graph;
    bool m_watching = false;
};
