// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/controls.h>

#include <initializer_list>

namespace tilmora {

// The layout was drawn for a narrower font than the ones at hand. These narrow a label's font
// (never widen it) so that its text stands where the layout expects it.

// Until the label's text fits on one line of its width.
void fitOnOneLine(platform::Label* label);

// The scale text of the time stretching writes its powers of ten as a base "10" in the text and
// an exponent label laid over it at a fixed place: until each "10" ends where its exponent begins.
void fitBasesToExponents(platform::Label* text, std::initializer_list<const QWidget*> exponents);

} // namespace tilmora
