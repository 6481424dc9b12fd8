// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/TellAFriend.h"

#include "platform/Translated.h"
#include "web/WebPages.h"

#include <QUrl>

const QString TellAFriend::NamePlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("TellAFriend", "Your Name"));
const QString TellAFriend::EmailPlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("TellAFriend", "Your Email Address"));
const QString TellAFriend::MessagePlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("TellAFriend", "Your Message"));
const QString TellAFriend::FriendNamePlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("TellAFriend", "Friend's Name"));
const QString TellAFriend::FriendEmailPlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("TellAFriend", "Friend's Email Address"));
const QString TellAFriend::StartingMessage = QStringLiteral("Your Message\r\n");

QString TellAFriend::shown(const QString& placeholder)
{
    return translated("TellAFriend", placeholder);
}

QString TellAFriend::trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

TellAFriend::Outcome TellAFriend::submit(const Entries& typed)
{
    const Entries values{trimSpaces(typed.referrerName), trimSpaces(typed.referrerEmail),
                         trimSpaces(typed.referralMessage), trimSpaces(typed.friendName),
                         trimSpaces(typed.friendEmail)};
    const QString improper = tr("Please Enter Proper Email Address");
    const auto lacks = [](const QString& text, QChar c) {
        return !text.contains(c);
    };

    if (values.referrerEmail == values.friendEmail)
        return {tr("Please Enter Distinct Email Addresses"), {}};
    if (lacks(values.referrerEmail, u'@') || lacks(values.friendEmail, u'@'))
        return {improper, {}};
    if (lacks(values.referrerEmail, u'.') || lacks(values.friendEmail, u'.'))
        return {improper, {}};

    const struct {
        const QString& value;
        const QString placeholder;
        const char* message;
    } required[] = {
        {values.referrerName, shown(NamePlaceholder),
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Name")},
        {values.referrerEmail, shown(EmailPlaceholder),
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Email")},
        {values.referralMessage, shown(MessagePlaceholder),
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Message")},
        {values.friendName, shown(FriendNamePlaceholder),
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Name")},
        {values.friendEmail, shown(FriendEmailPlaceholder),
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Email")},
    };
    for (const auto& entry : required) {
        const QString value = trimSpaces(entry.value);
        if (value.isEmpty() || value == entry.placeholder)
            return {tr(entry.message), {}};
    }
    return {{}, request(values)};
}

QString TellAFriend::page()
{
    return WebPages::mainSite() + QStringLiteral("quorla-refer-a-friend.php");
}

QString TellAFriend::request(const Entries& values)
{
    const auto encoded = [](const QString& value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    return page() + QStringLiteral("?taf1=") + encoded(values.referrerName) +
           QStringLiteral("&taf2=") + encoded(values.referrerEmail) + QStringLiteral("&taf3=") +
           encoded(values.referralMessage) + QStringLiteral("&taf4=") + encoded(values.friendName) +
           QStringLiteral("&taf5=") + encoded(values.friendEmail) + QStringLiteral("&taf6=") +
           WebPages::productSite();
}
