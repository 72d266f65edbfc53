#include "dialog/effects_tab.h"

#include "dialog/caption_fit.h"
#include "dialog/control_placement.h"
#include "dialog/tab_control.h"
#include "dialog/field_colours.h"
#include "dialog/slider_mappings.h"
#include "dialog/spin_control.h"
#include "saver/transitions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace skyfolio {
namespace {

QStringList effectNames() {
    QStringList names;
    for (const Effect& effect : kEffects) names.append(captionText(effect.name));
    return names;
}

QStringList transitionNames() {
    QStringList names;
    for (const std::string_view name : kTransitionNames) names.append(captionText(name));
    return names;
}

// Design values of the spin controls, before the load sets them.
constexpr int kChangeImageDesignValue = 60;
constexpr int kAmountDesignValue = 1;
constexpr int kClonesDesignValue = 1;
constexpr int kFeature1TickStep = 2;

// A drop-down list that starts with nothing selected, as the load expects.
QComboBox* dropDown(QWidget* parent, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

// The display-only text box beside a spin control.
QLineEdit* numberBox(QWidget* parent, const char* name, Twips at, const QString& toolTip) {
    auto* box = place(new QLineEdit(parent), name, at, toolTip);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(designFont("MS Sans Serif", 9.75));
    setFieldEnabled(box, true);
    return box;
}

QSlider* slider(QWidget* parent, const char* name, Twips at, ValueRange range, const QString& toolTip = {}) {
    auto* s = place(new QSlider(Qt::Horizontal, parent), name, at, toolTip);
    s->setRange(range.low, range.high);
    s->setTickPosition(QSlider::TicksBelow);
    return s;
}

}  // namespace

EffectsTab::EffectsTab(QWidget* parent) : QWidget(parent) {
    EffectLabel = placeLabel(this, "EffectLabel", QStringLiteral("Effects"), {2400, 480, 1695, 255}, true);
    QFont bold = EffectLabel->font();
    bold.setBold(true);
    EffectLabel->setFont(bold);
    EffectCbx = place(dropDown(this, effectNames()), "EffectCbx", {1920, 720, 2655, 315}, QStringLiteral("Image Effects"));

    Label12 = placeLabel(this, "Label12", QStringLiteral("Change Image(s)"), {120, 1320, 1695, 255}, true);
    ChangeImageText = numberBox(this, "ChangeImageText", {360, 1680, 375, 375}, QStringLiteral("Time Interval Between Images"));
    ChangeImageScroll = place(new SpinControl(5, 60, kChangeImageDesignValue, this), "ChangeImageScroll", {720, 1680, 255, 375});
    Label11 = placeLabel(this, "Label11", QStringLiteral("Sec."), {1080, 1800, 615, 255});
    NeverChangeOption1 = place(new QRadioButton(QStringLiteral("Yes"), this), "NeverChangeOption1", {360, 2160, 735, 255},
                               QStringLiteral("Enable Change Image"));
    NeverChangeOption2 = place(new QRadioButton(QStringLiteral("No"), this), "NeverChangeOption2", {1080, 2160, 615, 255},
                               QStringLiteral("Disable Change Image"));

    Label10 = placeLabel(this, "Label10", QStringLiteral("Amount of Image(s) to Introduce"), {2520, 1200, 1455, 495}, true);
    IntroAmountText = numberBox(this, "IntroAmountText", {3000, 1680, 375, 375}, QStringLiteral("Amount of Images to Introduce"));
    // The amount's upper end is the number of copies, from the start: copies
    // left at their design value run no handler to set it.
    IntroAmountScroll = place(new SpinControl(1, kClonesDesignValue, kAmountDesignValue, this), "IntroAmountScroll",
                              {3360, 1680, 255, 375});

    Label8 = placeLabel(this, "Label8", QStringLiteral("Clones of Image"), {4560, 1320, 1455, 255});
    ClonesText = numberBox(this, "ClonesText", {4800, 1680, 375, 375}, QStringLiteral("Clones of Image"));
    ClonesScroll = place(new SpinControl(1, 21, kClonesDesignValue, this), "ClonesScroll", {5160, 1680, 255, 375});

    Feature2Label = placeLabel(this, "Feature2Label", QStringLiteral("Change Image"), {360, 2760, 1815, 255}, true);
    Feature2 = slider(this, "Feature2", {240, 3000, 2175, 495}, {0, 3});
    Feature2Left = placeLabel(this, "Feature2Left", QStringLiteral("Never"), {360, 3480, 615, 255});
    Feature2Right = placeLabel(this, "Feature2Right", QStringLiteral("Often"), {1800, 3480, 615, 255});

    TransitionsLabel = placeLabel(this, "TransitionsLabel", QStringLiteral("Transitions"), {4200, 2760, 1575, 255}, true);
    TransitionsCbx = place(dropDown(this, transitionNames()), "TransitionsCbx", {4200, 3120, 1695, 315}, QStringLiteral("Transitions"));
    setFieldEnabled(TransitionsCbx, true);
    RndTranCheck = place(new QCheckBox(QStringLiteral("Random Transitions"), this), "RndTranCheck", {4200, 3480, 1815, 195},
                         QStringLiteral("Display Transitions at Random"));
    CenterCheck = place(new QCheckBox(QStringLiteral("Do not Float"), this), "CenterCheck", {1680, 4080, 1575, 255},
                        QStringLiteral("Do Not Float Image"));
    // Above "Do not Float", in the row that Float leaves free.
    ShrinkCheck = place(new QCheckBox(QStringLiteral("Shrink pictures larger than the screen"), this), "ShrinkCheck",
                        {1680, 3780, 4335, 255}, QStringLiteral("Show Large Pictures Whole"));

    SpeedLabel = placeLabel(this, "SpeedLabel", QStringLiteral("Image Speed"), {360, 4080, 1215, 255});
    Speed = slider(this, "Speed", {240, 4440, 2055, 495}, kImageSpeedRange, QStringLiteral("Image Speed"));
    Label9_1 = placeLabel(this, "Label9(1)", QStringLiteral("Slow"), {360, 4920, 615, 255});
    Label9_2 = placeLabel(this, "Label9(2)", QStringLiteral("Fast"), {1920, 4920, 615, 255});

    Feature1Label = placeLabel(this, "Feature1Label", {}, {4080, 4080, 1815, 255}, true);
    Feature1 = slider(this, "Feature1", {3960, 4440, 2055, 495}, kFeature1Range);
    Feature1->setTickInterval(kFeature1TickStep);
    Feature1Left = placeLabel(this, "Feature1Left", QStringLiteral("Slow"), {4080, 4920, 615, 255});
    Feature1Right = placeLabel(this, "Feature1Right", QStringLiteral("Fast"), {5640, 4920, 615, 255});

    // Slideshow's options, where the amount, the copies and the transitions
    // stand for the other effects.
    SlideshowFitLabel = placeLabel(this, "SlideshowFitLabel", QStringLiteral("Photos"), {2520, 1320, 1455, 255}, true);
    SlideshowFitCbx = place(dropDown(this, {QStringLiteral("Whole, on a blurred fill"), QStringLiteral("Fill the screen")}),
                            "SlideshowFitCbx", {2520, 1680, 3255, 315}, QStringLiteral("How Each Photo Is Shown"));
    CrossfadeLabel = placeLabel(this, "CrossfadeLabel", QStringLiteral("Crossfade"), {2520, 2280, 1455, 255}, true);
    CrossfadeText = numberBox(this, "CrossfadeText", {2520, 2640, 495, 375}, QStringLiteral("Length of the Crossfade"));
    CrossfadeScroll = place(new SpinControl(0, 30, 15, this), "CrossfadeScroll", {3000, 2640, 255, 375});
    CrossfadeSeconds = placeLabel(this, "CrossfadeSeconds", QStringLiteral("Sec."), {3360, 2760, 615, 255});
    PanZoomCheck = place(new QCheckBox(QStringLiteral("Pan and zoom"), this), "PanZoomCheck", {2520, 3240, 3255, 255},
                         QStringLiteral("Move Each Photo Slowly"));
    PairPortraitsCheck = place(new QCheckBox(QStringLiteral("Pair portrait photos"), this), "PairPortraitsCheck",
                               {2520, 3600, 3255, 255}, QStringLiteral("Two Portrait Photos Side by Side"));
    ShuffleCheck = place(new QCheckBox(QStringLiteral("Shuffle"), this), "ShuffleCheck", {2520, 3960, 3255, 255},
                         QStringLiteral("Every Photo Once, in a Random Order"));
    CaptionCheck = place(new QCheckBox(QStringLiteral("Caption"), this), "CaptionCheck", {2520, 4320, 3255, 255},
                         QStringLiteral("The Date and the Folder of Each Photo"));

    groups_ = {{
        {Feature1, Feature1Label, Feature1Left, Feature1Right},
        {Feature2, Feature2Label, Feature2Left, Feature2Right},
        {NeverChangeOption1, NeverChangeOption2},
        {Label10, IntroAmountText, IntroAmountScroll},
        {Label8, ClonesText, ClonesScroll},
        {TransitionsLabel, TransitionsCbx, RndTranCheck, CenterCheck},
        {Label12, ChangeImageText, ChangeImageScroll, Label11},
        {ShrinkCheck},
        {SpeedLabel, Speed, Label9_1, Label9_2},
        {SlideshowFitLabel, SlideshowFitCbx, CrossfadeLabel, CrossfadeText, CrossfadeScroll, CrossfadeSeconds, PanZoomCheck,
         PairPortraitsCheck, ShuffleCheck, CaptionCheck},
    }};

    QStringList speedCaptions, feature1Captions;
    for (const Effect& effect : kEffects) {
        speedCaptions.append(captionText(effect.layout.speedCaption));
        feature1Captions.append(captionText(effect.layout.feature1Caption));
    }
    new CaptionFit(this, pageBounds(), {{SpeedLabel, speedCaptions}, {Feature1Label, feature1Captions}});
}

void EffectsTab::enableAmount(bool enabled) {
    setFieldEnabled(IntroAmountText, enabled);
    IntroAmountScroll->setEnabled(enabled);
}

void EffectsTab::enableChangeInterval(bool enabled) {
    setFieldEnabled(ChangeImageText, enabled);
    ChangeImageScroll->setEnabled(enabled);
}

}  // namespace skyfolio
