// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <memory>

namespace orvane {

class Form1;
class Form2;
class Form3;

// Owns Orvane's three windows: each exists once and is created on its first use.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Form1& form1();
    Form2& form2();
    Form3& form3();

    // Unload Form1, Form2, Form3 in this order; a window never created is not loaded, so its
    // unload is passed over without creating it.
    void unloadAll();

private:
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
};

} // namespace orvane
