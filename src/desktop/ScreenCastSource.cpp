// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ScreenCastSource.h"

namespace
{
// The programs that cast a desktop's screen, by the name of the program that
// owns the cast's video stream: the stream node's node.name, which PipeWire
// takes from the program unless the stream names itself, or the program's
// binary where the node tells it.
//   gnome-shell                   GNOME Shell (mutter), also its own screen recorder
//   mutter                        mutter on its own (nested and test sessions)
//   kwin_wayland                  KWin, Plasma on Wayland
//   xdg-desktop-portal-wlr        sway, river, labwc and other wlroots compositors
//   xdg-desktop-portal-hyprland   Hyprland
const char* const ScreenCasters[] = {"gnome-shell", "mutter", "kwin_wayland",
                                     "xdg-desktop-portal-wlr", "xdg-desktop-portal-hyprland"};

bool isScreenCaster(const QByteArray& name)
{
    for (const char* caster : ScreenCasters)
        if (name == caster)
            return true;
    return false;
}
} // namespace

ScreenCastSource::ScreenCastSource(PipeWireGraph& graph, QObject* parent)
    : PipeWireSource(graph, parent)
{
}

bool ScreenCastSource::isScreenCast(const PipeWireGraph::Node& node)
{
    // A video stream that a program sends out, as opposed to a camera
    // (Video/Source) or a program watching video (Stream/Input/Video).
    return node.property("media.class") == "Stream/Output/Video" &&
           (isScreenCaster(node.property("node.name")) ||
            isScreenCaster(node.property("application.process.binary")));
}

bool ScreenCastSource::activeIn(const PipeWireGraph& graph) const
{
    for (const PipeWireGraph::Node& node : graph.nodes())
        if (isScreenCast(node))
            return true;
    return false;
}
