// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "platform/drawing/surface.h"

namespace platform {

// A picture box: a surface inside a window, with a one-pixel border and the window colours,
// that can hold controls of its own and keeps its own user scale.
class PictureBox : public Surface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);
};

} // namespace platform
