// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PipeWireSource.h"

#include "desktop/PipeWireGraph.h"

PipeWireSource::PipeWireSource(PipeWireGraph& graph, QObject* parent)
    : PauseSource(parent), m_graph(graph)
{
}

PipeWireSource::~PipeWireSource()
{
    if (m_watching)
        m_graph.removeUser();
}

void PipeWireSource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    if (watching) {
        connect(&m_graph, &PipeWireGraph::changed, this, &PipeWireSource::update);
        m_graph.addUser();
    } else {
        disconnect(&m_graph, &PipeWireGraph::changed, this, &PipeWireSource::update);
        m_graph.removeUser();
    }
    update();
}

void PipeWireSource::update()
{
    setActive(m_watching && activeIn(m_graph));
}
