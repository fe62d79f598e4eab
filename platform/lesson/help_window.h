// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QDialog>

namespace platform {

class Form;

// The help for one window, in the programs' language: what it shows, what to click and drag, and every key. It
// stands beside its window without blocking it, so the animation runs on; Esc or the close box
// closes it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the window's help, made on first use and owned by the window.
    static void showFor(Form* window);

private:
    explicit HelpWindow(Form* window);
    void placeBesideItsWindow();
};

} // namespace platform
