// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <vector>

namespace bench {

// The middle value; of an even count, the mean of the two middle values. 0 for no values.
double median(std::vector<double> values);

} // namespace bench
