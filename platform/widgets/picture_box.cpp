// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "picture_box.h"

#include "numbers.h"

namespace platform {

PictureBox::PictureBox(QWidget* parent) : Surface(parent)
{
    setBorder(true);
    canvas().setBackColor(windowBackgroundColour());
    canvas().setForeColor(windowTextColour());
}

} // namespace platform
