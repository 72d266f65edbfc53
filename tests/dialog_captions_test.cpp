// The settings window's captions in the fonts a user may have. Runs on any
// platform; e2e_dialog_captions runs it on X11, where the dialog really runs.

#include "dialog/control_placement.h"
#include "dialog/effects_tab.h"
#include "dialog/form2.h"
#include "dialog/image_files_tab.h"
#include "dialog/misc_tab.h"
#include "tests/support/fake_dialog_host.h"
#include "tests/support/qt_application.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <cstdio>

namespace skyfolio {
namespace {

// Whether `control`, at `size`, shows its whole caption, by Qt's own measure
// of the control where there is one.
bool showsWhole(const QWidget* control, QSize size) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        for (const QString& word : label->text().split(QLatin1Char(' ')))
            if (metrics.horizontalAdvance(word) > size.width()) return false;
        return label->heightForWidth(size.width()) <= size.height();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        // The margins Qt gives a button's caption, without its smallest width.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        return metrics.horizontalAdvance(text) + 2 * margin <= size.width() && metrics.height() <= size.height();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->minimumSizeHint().width() <= size.width();
    return control->sizeHint().width() <= size.width() && metrics.height() <= size.height();
}

// Checks every caption of the window in its present font `font`; with
// `kept`, that one that fits stays at its design place (a caption that
// changes with the effect gets room for the widest it may show).
void checkEveryCaption(const Form2& form, const QString& font, bool kept = true) {
    const QRect page(QPoint(), pixelRect({0, 0, 6615, 5535}).size());
    const std::pair<QWidget*, QRect> panels[] = {
        {form.Ok->parentWidget(), form.Ok->parentWidget()->rect()}, {form.imageFiles, page}, {form.effects, page},
        {form.imageFiles->photoDisplay, form.imageFiles->photoDisplay->rect()}, {form.misc, page},
        {form.misc->Password, form.misc->Password->rect()}};
    for (const auto& [panel, room] : panels) {
        const QList<QWidget*> controls = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls) {
            const auto* label = qobject_cast<const QLabel*>(control);
            if (label ? label->text().isEmpty() : !qobject_cast<const QAbstractButton*>(control) &&
                                                      !qobject_cast<const QGroupBox*>(control))
                continue;
            const std::string name = font.toStdString() + ": " + control->objectName().toStdString();
            const QRect place = control->geometry(), design = designPlace(control);
            EXPECT_TRUE(showsWhole(control, place.size())) << name << " is cut off";
            EXPECT_TRUE(!kept || !showsWhole(control, design.size()) || place == design) << name << " moved";
            EXPECT_TRUE(room.contains(place)) << name << " leaves its panel";
            for (const QWidget* other : controls)
                EXPECT_TRUE(other == control || !place.intersects(other->geometry()) ||
                            design.intersects(designPlace(other)))
                    << name << " lies over " << other->objectName().toStdString();
        }
    }
}

TEST(DialogCaptionsTest, EveryCaptionShowsWholeInTheFontsAUserMayHaveAndGrowsOnlyWhereItMust) {
    test::QtApplication qt;
    test::FakeDialogHost host;
    Form2 form(host);
    // As the desktop stands in for the design's font, then in fonts of other
    // widths, at the design's size and at a desktop's larger one.
    checkEveryCaption(form, form.font().family());
    QStringList named;
    for (const QString family : {"Liberation Sans", "DejaVu Sans", "Cantarell", "Noto Sans"}) {
        if (!QFontDatabase::families().contains(family)) continue;
        named.append(family);
        for (const double points : {8.25, 10.0}) {
            QFont font(family);
            font.setPointSizeF(points);
            form.setFont(font);
            checkEveryCaption(form, QStringLiteral("%1 %2 pt").arg(family).arg(points));
        }
    }
    for (int effect = 0; effect < form.effects->EffectCbx->count(); ++effect) {
        form.effects->EffectCbx->setCurrentIndex(effect);
        checkEveryCaption(form, form.effects->EffectCbx->currentText(), false);
    }
    std::printf("checked in %s\n", qPrintable(named.join(QStringLiteral(", "))));
    if (named.size() < 2) GTEST_SKIP() << "fewer than two of the named fonts (fonts-liberation, fonts-dejavu-core)";
}

}  // namespace
}  // namespace skyfolio
