// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DBusValues.h"

#include <QDBusArgument>
#include <QDBusVariant>

namespace DBusValues
{

std::optional<bool> boolean(const QVariant& value)
{
    QVariant inner = value;
    if (inner.metaType() == QMetaType::fromType<QDBusVariant>())
        inner = inner.value<QDBusVariant>().variant();
    if (inner.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return inner.toBool();
}

QVariantMap dictionary(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QVariantMap>())
        return value.toMap();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a{sv}"))
        return {};
    QVariantMap map;
    argument >> map;
    return map;
}

} // namespace DBusValues
