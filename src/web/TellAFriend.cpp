#include "web/TellAFriend.h"

#include "web/WebPages.h"

#include <QUrl>

const QString TellAFriend::NamePlaceholder = QStringLiteral("Your Name");
const QString TellAFriend::EmailPlaceholder = QStringLiteral("Your Email Address");
const QString TellAFriend::MessagePlaceholder = QStringLiteral("Your Message");
const QString TellAFriend::FriendNamePlaceholder = QStringLiteral("Friend's Name");
const QString TellAFriend::FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
const QString TellAFriend::StartingMessage = QStringLiteral("Your Message\r\n");

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
    const QString improper = QStringLiteral("Please Enter Proper Email Address");
    const auto lacks = [](const QString& text, QChar c) {
        return !text.contains(c);
    };

    if (values.referrerEmail == values.friendEmail)
        return {QStringLiteral("Please Enter Distinct Email Addresses"), {}};
    if (lacks(values.referrerEmail, u'@') || lacks(values.friendEmail, u'@'))
        return {improper, {}};
    if (lacks(values.referrerEmail, u'.') || lacks(values.friendEmail, u'.'))
        return {improper, {}};

    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } required[] = {
        {values.referrerName, NamePlaceholder, "Please Enter Your Name"},
        {values.referrerEmail, EmailPlaceholder, "Please Enter Your Email"},
        {values.referralMessage, MessagePlaceholder, "Please Enter Your Message"},
        {values.friendName, FriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {values.friendEmail, FriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const auto& entry : required) {
        const QString value = trimSpaces(entry.value);
        if (value.isEmpty() || value == entry.placeholder)
            return {QLatin1String(entry.message), {}};
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
