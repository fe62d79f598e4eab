// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/controls.h>

namespace tilmora {

// A button whose caption breaks into lines at its blanks when it is wider than the button, as
// the layout's two-line captions ("Phasenzeiger" over "W1 und W2") expect.
class WrappingButton : public platform::Button {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tilmora
