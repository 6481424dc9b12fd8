#pragma once

#include "platform/Services.h"
#include "web/TellAFriend.h"

#include <QWidget>
#include <functional>

class LinkLabel;
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

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;

    // The values of the last submission, and the request it opened.
    const TellAFriend::Entries& values() const { return m_values; }
    QString strReferralRequest() const { return m_request; }

    void Form_Load();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    QLineEdit* addBox(const QString& name, const QString& placeholder, const QRect& geometry);
    QString text(QWidget* box) const;
    void setText(QWidget* box, const QString& text);
    QString placeholder(QWidget* box) const;
    void showMessage(const QString& text);

    Services m_services;
    std::function<void()> m_endProgram;
    TellAFriend::Entries m_values;
    QString m_request;
};
