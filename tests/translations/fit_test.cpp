// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <kestrup/form1.h>
#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/form3.h>
#include <orvane/program.h>
#include <tilmora/form1.h>
#include <tilmora/wrapping_button.h>

#include <support/testing.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>

namespace {

enum class Window { Menu, Superposition, Huygens, TwoWaves, Interference };

// One caption as the window shows it, with what it is checked against.
struct Caption {
    QString text;
    QString where;
    bool fits = true;
    std::string family; // of the font the caption is drawn and measured in
};

// The windows are laid out in this font's metrics; measured in a substitute (DejaVu Sans where it
// is missing), a caption fits or overflows by chance.
const std::string layoutFamily = "Liberation Sans";

// Captions whose German source is already English (or a command name), so the English
// translation is rightly the same text.
const std::set<QString> alreadyEnglish = {
    QStringLiteral("on"),       QStringLiteral("off"),           QStringLiteral("W1 on"), QStringLiteral("Menu"),
    QStringLiteral("Start/W1"), QStringLiteral("Start W1/Menu"), QStringLiteral("Cls")};

// German captions that already overflow their control as laid out, which stays as it is; their
// English must fit all the same, unless it is the very same text.
const std::set<QString> tooTightAsLaidOut = {
    QStringLiteral("Phasenverschiebung"), // Orvane's phase shift caption: 131 px in a 129 px label
    QStringLiteral("17"), // Tilmora's second exponent: 18 px high and wide in a 17 px label
};

// Names and numbers are not translated: W1, W2, N, λ, digits, signs.
bool onlySymbols(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("W[12]")));
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}{2,}")));
}

// Blanks at the end of a caption draw nothing, so they take no room.
QString drawn(const QString& text)
{
    QString result = text;
    while (!result.isEmpty() && result.back().isSpace())
        result.chop(1);
    return result;
}

std::string familyOf(const QWidget* control)
{
    return QFontInfo(control->font()).family().toStdString();
}

bool fitsWrapped(const QWidget* control, const QString& text, Qt::Alignment alignment)
{
    const QRect room = control->contentsRect();
    const QRect needed = control->fontMetrics().boundingRect(room, int(Qt::TextWordWrap | alignment), text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool fitsOneLine(const QWidget* control, const QString& text, int room)
{
    return control->fontMetrics().horizontalAdvance(drawn(text)) <= room;
}

Caption measure(const QLabel* label)
{
    const QString text = label->text();
    const bool fits = label->wordWrap() ? fitsWrapped(label, text, label->alignment())
                                        : fitsOneLine(label, text, label->contentsRect().width());
    return {text, QStringLiteral("label"), fits, familyOf(label)};
}

Caption measure(const QAbstractButton* button)
{
    const QString text = button->text();
    if (qobject_cast<const tilmora::WrappingButton*>(button))
        return {text, QStringLiteral("wrapping button"), fitsWrapped(button, text, Qt::AlignCenter), familyOf(button)};
    int room = button->contentsRect().width();
    if (qobject_cast<const QCheckBox*>(button)) {
        const QStyle* style = button->style();
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    }
    return {text, QStringLiteral("button"), fitsOneLine(button, text, room), familyOf(button)};
}

Caption measure(const QGroupBox* frame)
{
    return {frame->title(), QStringLiteral("frame"), fitsOneLine(frame, frame->title(), frame->width()),
            familyOf(frame)};
}

// Every caption of the window's labels, buttons and frames, in the order of its children.
std::vector<Caption> captionsOf(const QWidget* window)
{
    std::vector<Caption> captions;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(child))
            captions.push_back(measure(label));
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            captions.push_back(measure(button));
        else if (const auto* frame = qobject_cast<const QGroupBox*>(child))
            captions.push_back(measure(frame));
    }
    std::erase_if(captions, [](const Caption& c) { return c.text.isEmpty(); });
    return captions;
}

// Builds the window as its program does, shown and loaded, and reads its captions.
std::vector<Caption> captionsOf(Window window)
{
    switch (window) {
    case Window::Menu:
    case Window::Superposition:
    case Window::Huygens: {
        orvane::Program program;
        platform::Form& form = window == Window::Menu ? static_cast<platform::Form&>(program.form1())
            : window == Window::Superposition         ? static_cast<platform::Form&>(program.form2())
                                                      : static_cast<platform::Form&>(program.form3());
        form.show();
        return captionsOf(&form);
    }
    case Window::TwoWaves: {
        kestrup::Form1 form;
        // Load runs the animation; a halt posted beforehand lets it return.
        testing_support::post([&form] { form.onCommand1Click(); });
        form.show();
        return captionsOf(&form);
    }
    case Window::Interference: {
        tilmora::form1 form;
        form.show();
        return captionsOf(&form);
    }
    }
    return {};
}

class TextFit : public ::testing::TestWithParam<Window> {};

TEST_P(TextFit, EveryCaptionFitsItsControlInGermanAndIsTranslatedInEnglish)
{
    const std::vector<Caption> german = captionsOf(GetParam());

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/wellenlehre_en.qm")));
    ASSERT_TRUE(QCoreApplication::installTranslator(&english));
    const std::vector<Caption> translated = captionsOf(GetParam());
    QCoreApplication::removeTranslator(&english);

    ASSERT_EQ(german.size(), translated.size());
    ASSERT_FALSE(german.empty());
    std::set<std::string> families;
    for (const Caption& caption : german)
        families.insert(caption.family);
    ASSERT_EQ(families, std::set<std::string>{layoutFamily}) << "the windows' font is missing (fonts-liberation2)";
    for (std::size_t i = 0; i < german.size(); ++i) {
        const Caption& de = german[i];
        const Caption& en = translated[i];
        const bool asLaidOut = tooTightAsLaidOut.contains(de.text);
        EXPECT_TRUE(de.fits || asLaidOut)
            << de.where.toStdString() << " too small for \"" << de.text.toStdString() << '"';
        EXPECT_TRUE(en.fits || (asLaidOut && en.text == de.text))
            << en.where.toStdString() << " too small for \"" << en.text.toStdString() << '"';
        if (!alreadyEnglish.contains(de.text.trimmed()) && !onlySymbols(de.text)) {
            EXPECT_NE(en.text, de.text) << "untranslated: \"" << de.text.toStdString() << '"';
        }
    }
}

std::string windowName(const ::testing::TestParamInfo<Window>& info)
{
    constexpr const char* names[] = {"OrvaneMenu", "OrvaneSuperposition", "OrvaneHuygens", "Kestrup", "Tilmora"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, TextFit,
                         ::testing::Values(Window::Menu, Window::Superposition, Window::Huygens, Window::TwoWaves,
                                           Window::Interference),
                         windowName);

} // namespace
