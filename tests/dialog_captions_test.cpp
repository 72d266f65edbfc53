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
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <iostream>

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

bool captioned(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control);
}

class DialogCaptionsTest : public ::testing::Test {
protected:
    // Every panel of the window with the room its controls have.
    std::vector<std::pair<QWidget*, QRect>> panels() const {
        const QRect page = QRect(QPoint(), pixelRect({0, 0, 6615, 5535}).size());
        return {{form.Ok->parentWidget(), form.Ok->parentWidget()->rect()},
                {form.imageFiles, page},
                {form.imageFiles->photoDisplay, form.imageFiles->photoDisplay->rect()},
                {form.effects, page},
                {form.misc, page},
                {form.misc->Password, form.misc->Password->rect()}};
    }

    // Checks every caption of the window in its present font; `kept`, that a
    // control whose caption fits stays at its design place (a caption that
    // changes gets room for the widest it may show).
    void checkEveryCaption(const QString& font, bool kept = true) {
        for (const auto& [panel, room] : panels()) {
            const QList<QWidget*> controls = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* control : controls) {
                if (!captioned(control)) continue;
                const std::string name = font.toStdString() + ": " + control->objectName().toStdString();
                const QRect place = control->geometry(), design = designPlace(control);
                EXPECT_TRUE(showsWhole(control, place.size())) << name << " is cut off";
                if (kept && showsWhole(control, design.size())) {
                    EXPECT_EQ(place, design) << name << " moved";
                }
                EXPECT_TRUE(room.contains(place)) << name << " leaves its panel";
                for (const QWidget* other : controls) {
                    if (other == control || !place.intersects(other->geometry())) continue;
                    EXPECT_TRUE(design.intersects(designPlace(other)))
                        << name << " lies over " << other->objectName().toStdString();
                }
            }
        }
    }

    test::QtApplication qt;
    test::FakeDialogHost host;
    Form2 form{host};
};

TEST_F(DialogCaptionsTest, EveryCaptionShowsWholeInTheFontsAUserMayHaveAndGrowsOnlyWhereItMust) {
    // As the desktop stands in for the design's font, then in fonts of other
    // widths, at the design's size and at a desktop's larger one.
    checkEveryCaption(form.font().family());
    const QStringList families = QFontDatabase::families();
    int named = 0;
    for (const char* family : {"Liberation Sans", "DejaVu Sans", "Cantarell", "Noto Sans"}) {
        if (!families.contains(QLatin1String(family))) continue;
        ++named;
        std::cout << "checked in " << family << "\n";
        for (const double points : {8.25, 10.0}) {
            QFont font{QLatin1String(family)};
            font.setPointSizeF(points);
            form.setFont(font);
            checkEveryCaption(QStringLiteral("%1 %2 pt").arg(QLatin1String(family)).arg(points));
        }
    }
    // Effects that change the captions.
    for (int effect = 0; effect < form.effects->EffectCbx->count(); ++effect) {
        form.effects->EffectCbx->setCurrentIndex(effect);
        checkEveryCaption(form.effects->EffectCbx->currentText(), false);
    }
    if (named < 2) GTEST_SKIP() << "fewer than two of the named fonts are here (fonts-liberation, fonts-dejavu-core)";
}

}  // namespace
}  // namespace skyfolio
