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
    const Entries values{trimSpaces(typed.strReferrerName), trimSpaces(typed.strReferrerEmail),
                         trimSpaces(typed.strReferralMessage), trimSpaces(typed.strFriendName),
                         trimSpaces(typed.strFriendEmail)};
    const QString improper = QStringLiteral("Please Enter Proper Email Address");
    const auto lacks = [](const QString& text, QChar c) {
        return !text.contains(c);
    };

    if (values.strReferrerEmail == values.strFriendEmail)
        return {QStringLiteral("Please Enter Distinct Email Addresses"), {}};
    if (lacks(values.strReferrerEmail, u'@') || lacks(values.strFriendEmail, u'@'))
        return {improper, {}};
    if (lacks(values.strReferrerEmail, u'.') || lacks(values.strFriendEmail, u'.'))
        return {improper, {}};

    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } required[] = {
        {values.strReferrerName, NamePlaceholder, "Please Enter Your Name"},
        {values.strReferrerEmail, EmailPlaceholder, "Please Enter Your Email"},
        {values.strReferralMessage, MessagePlaceholder, "Please Enter Your Message"},
        {values.strFriendName, FriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {values.strFriendEmail, FriendEmailPlaceholder, "Please Enter Your Friend's Email"},
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
    return page() + QStringLiteral("?taf1=") + encoded(values.strReferrerName) +
           QStringLiteral("&taf2=") + encoded(values.strReferrerEmail) + QStringLiteral("&taf3=") +
           encoded(values.strReferralMessage) + QStringLiteral("&taf4=") +
           encoded(values.strFriendName) + QStringLiteral("&taf5=") +
           encoded(values.strFriendEmail) + QStringLiteral("&taf6=") + WebPages::productSite();
}
