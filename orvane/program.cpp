// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "program.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"

namespace orvane {

Program::Program() = default;
Program::~Program() = default;

Form1& Program::form1()
{
    if (!m_form1)
        m_form1 = std::make_unique<Form1>(*this);
    return *m_form1;
}

Form2& Program::form2()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(*this);
    return *m_form2;
}

Form3& Program::form3()
{
    if (!m_form3)
        m_form3 = std::make_unique<Form3>(*this);
    return *m_form3;
}

void Program::unloadAll()
{
    if (m_form1)
        m_form1->unload();
    if (m_form2)
        m_form2->unload();
    if (m_form3)
        m_form3->unload();
}

} // namespace orvane
