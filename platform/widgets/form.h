// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "platform/drawing/surface.h"

#include <optional>

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

    // The window's place on the screen (its frame's top-left corner) and its size, in twips.
    // Both keep the window inside the desktop's work area.
    void moveTwips(double left, double top);
    void setSizeTwips(double width, double height);
    // A size the layout gives relative to the screen: the frame is part of it, and the client
    // area gets what the frame and the work area leave.
    void setFramedSizeTwips(double width, double height);
    double widthTwips() const;
    double heightTwips() const;

    void setVisible(bool visible) override;

    // What the lesson tools say of this window: its short name in the names of saved pictures,
    // and its help text (HTML paragraphs).
    void setLessonHelp(const QString& name, const QString& helpText);
    const QString& lessonName() const { return m_lessonName; }
    const QString& helpText() const { return m_helpText; }

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}
    // A window whose picture follows its size redraws it here and lets the user resize it; every
    // other window keeps the size its Load handler gave it.
    virtual void onResize() {}
    void setResizable(bool on) { m_resizable = on; }

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToDesktop();

    bool m_loaded = false;
    bool m_unloading = false;
    bool m_resizable = false;
    QString m_lessonName = QStringLiteral("fenster");
    QString m_helpText;
    QPoint m_framePosition;
    // Set where the size is given with the frame.
    std::optional<QSize> m_framedSize;
};

} // namespace platform
