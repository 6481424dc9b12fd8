// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <optional>

// Reading what a D-Bus peer sent, trusting nothing about its types.
namespace DBusValues
{

// A boolean, also inside a D-Bus variant; nothing for any other type.
std::optional<bool> boolean(const QVariant& value);

// A string-to-variant dictionary (a{sv}); empty for any other type.
QVariantMap dictionary(const QVariant& value);

} // namespace DBusValues
