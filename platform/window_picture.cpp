// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "window_picture.h"

#include "form.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTranslator>

#include <utility>

namespace platform {
namespace {

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// The file dialog's own texts in German where Qt's translation is installed; the texts a user
// needs to save are set by hand in any case.
void loadGermanDialogTexts()
{
    static bool loaded = false;
    if (std::exchange(loaded, true))
        return;
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void showSaveFailure(QWidget* window, const QString& path, const QString& why)
{
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Bild speichern"),
        QStringLiteral("Das Bild wurde nicht gespeichert:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), why),
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

QString writePicture(const QImage& image, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QStringLiteral("Das Bild ließ sich nicht als PNG umwandeln.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Qt reports a folder closed to writing as a plain failure to open: the folder tells.
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return folder.isDir() && !folder.isWritable()
            ? QStringLiteral("In diesen Ordner darf nicht geschrieben werden.")
            : QStringLiteral("Die Datei lässt sich dort nicht anlegen.");
    }
    // Every byte is checked on its way to the disk: a full disk must not pass for a saved picture.
    if (file.write(png) != png.size() || !file.flush() || !file.commit())
        return QStringLiteral("Die Datei ließ sich nicht vollständig schreiben; ist der Datenträger voll?");
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
    loadGermanDialogTexts();
    auto* dialog = new QFileDialog(window, QStringLiteral("Bild speichern"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("PNG-Bilder (*.png)"));
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Ordner:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    dialog->setDirectory(picturesFolder());
    dialog->selectFile(
        pictureFileName(QCoreApplication::applicationName(), window->lessonName(), QDateTime::currentDateTime()));
    QObject::connect(dialog, &QFileDialog::fileSelected, window, [window, picture](const QString& path) {
        const QString why = writePicture(picture, path);
        if (!why.isEmpty())
            showSaveFailure(window, path, why);
    });
    // Modal for its window only, without an event loop of its own: the animation goes on behind it.
    dialog->open();
}

} // namespace platform
