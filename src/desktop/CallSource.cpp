// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CallSource.h"

#include "desktop/PipeWireGraph.h"
#include "desktop/VideoDeviceWatch.h"

#include <algorithm>

namespace
{
using Node = PipeWireGraph::Node;

bool isMicrophone(const Node& node)
{
    const QByteArray mediaClass = node.property("media.class");
    return mediaClass == "Audio/Source" || mediaClass == "Audio/Source/Virtual";
}

// A program recording now. Level meters (pipewire-pulse marks their peak
// detection as stream.monitor) and captures of what a sink plays record no
// voice.
bool isRecording(const Node& node)
{
    return node.property("media.class") == "Stream/Input/Audio" &&
           node.state == PipeWireGraph::NodeState::Running && !node.flag("stream.monitor") &&
           !node.flag("stream.capture.sink");
}

bool isCameraInUse(const Node& node)
{
    return node.property("media.class") == "Video/Source" &&
           node.state == PipeWireGraph::NodeState::Running;
}
} // namespace

CallSource::CallSource(PipeWireGraph& graph, const QString& devices, QObject* parent)
    : PipeWireSource(graph, parent), m_devices(new VideoDeviceWatch(devices, this))
{
    connect(m_devices, &VideoDeviceWatch::heldChanged, this, &CallSource::update);
}

void CallSource::setWatching(bool watching)
{
    m_devices->setWatching(watching);
    PipeWireSource::setWatching(watching);
}

bool CallSource::activeIn(const PipeWireGraph& graph) const
{
    if (m_devices->isHeld())
        return true;
    const auto& nodes = graph.nodes();
    for (const Node& node : nodes)
        if (isCameraInUse(node))
            return true;
    // A recording stream counts only when a microphone feeds it.
    const auto& links = graph.links();
    return std::any_of(links.cbegin(), links.cend(), [&nodes](const PipeWireGraph::Link& link) {
        const auto output = nodes.find(link.outputNode);
        const auto input = nodes.find(link.inputNode);
        return output != nodes.end() && input != nodes.end() && isMicrophone(*output) &&
               isRecording(*input);
    });
}
