// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "window_picture.h"

#include "platform/widgets/form.h"
#include "platform/windowsystem/windowsystem.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace platform {

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

namespace {

QString text(const char* german)
{
    return QCoreApplication::translate("platform", german);
}

void showSaveFailure(QWidget* window, const QString& path, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning, text(QT_TRANSLATE_NOOP("platform", "Bild speichern")),
                                text(QT_TRANSLATE_NOOP("platform", "Das Bild wurde nicht gespeichert:\n%1\n\n%2"))
                                    .arg(QDir::toNativeSeparators(path), why),
                                QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

QImage windowPicture(Form* window)
{
    return window->grab().toImage();
}

void copyWindowPicture(Form* window)
{
    QGuiApplication::clipboard()->setImage(windowPicture(window));
}

QString pictureFileName(const QString& program, const QString& window, const QDateTime& time)
{
    return QStringLiteral("%1-%2-%3.png").arg(program, window, time.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

namespace {

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? png : QByteArray();
}

} // namespace

QString writePicture(const QImage& image, const QString& path)
{
    const QByteArray png = pngOf(image);
    if (png.isEmpty())
        return text(QT_TRANSLATE_NOOP("platform", "Das Bild ließ sich nicht als PNG umwandeln."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Qt reports a folder closed to writing as a plain failure to open: the folder tells.
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return folder.isDir() && !folder.isWritable()
            ? text(QT_TRANSLATE_NOOP("platform", "In diesen Ordner darf nicht geschrieben werden."))
            : text(QT_TRANSLATE_NOOP("platform", "Die Datei lässt sich dort nicht anlegen."));
    }
    // Every byte is checked on its way to the disk: a full disk must not pass for a saved picture.
    if (file.write(png) != png.size() || !file.flush() || !file.commit())
        return text(QT_TRANSLATE_NOOP("platform",
                                      "Die Datei ließ sich nicht vollständig schreiben; ist der Datenträger voll?"));
    return {};
}

void saveWindowPicture(Form* window)
{
    // One save at a time per window: a second Ctrl+S brings the open dialog to the front.
    if (auto* open = window->findChild<QFileDialog*>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    // Taken now, so that the file holds the moment the key was pressed.
    const QImage picture = windowPicture(window);
    const QString name =
        pictureFileName(QCoreApplication::applicationName(), window->lessonName(), QDateTime::currentDateTime());
    if (windowsystem::savesAsDownload()) {
        windowsystem::download(pngOf(picture), name);
        return;
    }
    auto* dialog = new QFileDialog(window, text(QT_TRANSLATE_NOOP("platform", "Bild speichern")));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(text(QT_TRANSLATE_NOOP("platform", "PNG-Bilder (*.png)")));
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setLabelText(QFileDialog::LookIn, text(QT_TRANSLATE_NOOP("platform", "Ordner:")));
    dialog->setLabelText(QFileDialog::FileName, text(QT_TRANSLATE_NOOP("platform", "Dateiname:")));
    dialog->setLabelText(QFileDialog::FileType, text(QT_TRANSLATE_NOOP("platform", "Dateityp:")));
    dialog->setLabelText(QFileDialog::Accept, text(QT_TRANSLATE_NOOP("platform", "Speichern")));
    dialog->setLabelText(QFileDialog::Reject, text(QT_TRANSLATE_NOOP("platform", "Abbrechen")));
    dialog->setDirectory(picturesFolder());
    dialog->selectFile(name);
    QObject::connect(dialog, &QFileDialog::fileSelected, window, [window, picture](const QString& path) {
        const QString why = writePicture(picture, path);
        if (!why.isEmpty())
            showSaveFailure(window, path, why);
    });
    // Modal for its window only, without an event loop of its own: the animation goes on behind it.
    dialog->open();
}

} // namespace platform
