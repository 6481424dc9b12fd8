#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;
class Shell;

// The About box: the program's name, what it does and two links. Modeless and
// ownerless; there is at most one, and it is destroyed when it closes.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(Shell& shell);
    ~AboutBox() override;

    // Shows the About box, or brings the open one to the front.
    static AboutBox* showOne(Shell& shell);
    static AboutBox* current();

    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;

    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

private:
    Shell& m_shell;
};
