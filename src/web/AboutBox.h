// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

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

private:
    void homePageClicked();
    void fullBrandClicked();

    Shell& m_shell;
};
