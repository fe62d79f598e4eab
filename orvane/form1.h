// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>

namespace orvane {

class Program;

// The start menu: opens the superposition window or the Huygens–Fresnel window, or ends.
class Form1 : public platform::Form {
    Q_OBJECT

public:
    explicit Form1(Program& program);

    void onCommand1Click();
    void onCommand2Click();
    void onCommand3Click();

    platform::Label* Label1 = nullptr;
    platform::Button* Command2 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Button* Command1 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Button* Command3 = nullptr;

protected:
    void onLoad() override;
    void onUnload() override;

private:
    Program& m_program;
};

} // namespace orvane
