// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/drawing/userscale.h>

#include <gtest/gtest.h>

namespace {

using platform::UserScale;

TEST(UserScale, MapsCornersAndBackExactly)
{
    // The superposition window's wave surface: x −10..2990, y 0..1000 on 1500 × 500 pixels.
    const UserScale scale(-10, 0, 3000, 1000, {1500, 500});
    EXPECT_EQ(scale.toPixels(-10, 0), QPointF(0, 0));
    EXPECT_EQ(scale.toPixels(2990, 1000), QPointF(1500, 500));
    EXPECT_EQ(scale.toPixels(590, 500), QPointF(300, 250));
    EXPECT_EQ(scale.toUser({300, 250}), QPointF(590, 500));
}

TEST(UserScale, NegativeHeightTurnsYUpwards)
{
    // A panel with its origin 600 from the left and 500 from the top, y growing upwards.
    const UserScale scale(-600, 500, 1100, -1000, {550, 500});
    EXPECT_EQ(scale.toPixels(-600, 500), QPointF(0, 0));
    EXPECT_EQ(scale.toPixels(0, 0), QPointF(300, 250));
    EXPECT_LT(scale.toPixels(0, 100).y(), scale.toPixels(0, 0).y());
    EXPECT_DOUBLE_EQ(scale.pixelsPerUnitY(), -0.5);
    EXPECT_EQ(scale.toUser({300, 200}), QPointF(0, 100));
}

TEST(UserScale, NonSquareUnitsKeepTheirOwnFactors)
{
    const UserScale scale(-300, -1500, 4000, 2925, {1280, 1024});
    EXPECT_DOUBLE_EQ(scale.pixelsPerUnitX(), 0.32);
    EXPECT_DOUBLE_EQ(scale.pixelsPerUnitY(), 1024 / 2925.0);
}

} // namespace
