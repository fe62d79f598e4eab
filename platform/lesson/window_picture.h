// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

namespace platform {

class Form;

// The window as it shows, controls included, at the screen's pixel ratio: a picture for a
// worksheet or a slide.
QImage windowPicture(Form* window);

// Puts the picture on the clipboard.
void copyWindowPicture(Form* window);

// Offers to save the picture as PNG, under a name made of the program, the window and the time,
// in the user's pictures folder. A save that fails says why and leaves no file behind.
void saveWindowPicture(Form* window);

// Where the save dialog opens: the user's pictures folder where it exists, else the home folder.
QString picturesFolder();

// "orvane-superposition-2026-12-08-1003.png"
QString pictureFileName(const QString& program, const QString& window, const QDateTime& time);

// Writes the image as PNG, whole or not at all; an empty result, or why it failed, in the
// programs' language.
QString writePicture(const QImage& image, const QString& path);

} // namespace platform
