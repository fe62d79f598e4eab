// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "surface.h"

namespace platform {

// A top-level window with a drawing surface over its whole client area. Showing it loads it
// first (its Load handler runs once); hiding keeps its state; the close box unloads it and is
// never cancelled.
class Form : public Surface {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    // Runs the Load handler if the window is not loaded yet.
    void load();
    // Runs the Unload handler and hides the window; passed over when the window is not loaded or
    // is already being unloaded.
    void unload();

    // The window's place on the screen and its size, in twips.
    void moveTwips(double left, double top);
    void setSizeTwips(double width, double height);
    double widthTwips() const;
    double heightTwips() const;

    void setVisible(bool visible) override;

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_loaded = false;
    bool m_unloading = false;
};

} // namespace platform
