// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"
#include "web/TellAFriend.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The last window of a run: a promotional text, two links and the
// refer-a-friend form. It stays above other windows, the browser windows its
// links open included; closing it in any way ends the program.
class ExitScreen : public QWidget
{
    Q_OBJECT
public:
    static const QStringList PromotionalTexts;

    // endProgram runs whenever the window goes, and for "E&xit".
    ExitScreen(const Services& services, std::function<void()> endProgram);
    ~ExitScreen() override;

    // Creates, loads and shows one, centred on the screen.
    static ExitScreen* showNew(const Services& services, std::function<void()> endProgram);

    // Draws the promotional text to show and puts the window above the others.
    void load();

    // The entries of the last referral sent or refused, and the request the
    // last accepted one opened.
    const TellAFriend::Entries& submittedEntries() const { return m_submitted; }
    QString referralRequest() const { return m_request; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildReferralForm();
    QLineEdit* addBox(const QString& name, const QString& placeholder, const QRect& geometry);
    QString text(QWidget* box) const;
    void setText(QWidget* box, const QString& text);
    QString placeholder(QWidget* box) const;
    void showMessage(const QString& text);

    void homePageToggled(bool checked);
    void catalogueClicked();
    void referClicked();
    void exitClicked();

    Services m_services;
    std::function<void()> m_endProgram;
    TellAFriend::Entries m_submitted;
    QString m_request;

    QLabel* m_promotionLabel = nullptr;
    QPushButton* m_homePageButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QGroupBox* m_referralFrame = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QLineEdit* m_emailBox = nullptr;
    QLineEdit* m_friendNameBox = nullptr;
    QLineEdit* m_friendEmailBox = nullptr;
    QPushButton* m_referButton = nullptr;
    QPlainTextEdit* m_messageBox = nullptr;
};
