#pragma once

#include "dialog/control_placement.h"

#include <QTabWidget>

namespace skyfolio {

// The tab control of the settings window. The design places each page's
// controls relative to the whole tab control, tab strip included, while Qt
// puts a page below the strip; so the controls move up by the page's offset
// once Qt has laid the tab control out, when it is first shown.
// Where the design puts the tab control in the window.
inline constexpr Twips kTabControlPlace{240, 120, 6615, 5535};

// The room for a page's controls, counted as the design counts them: from
// the tab control's corner, inside its frame.
QRect pageBounds();

class TabControl : public QTabWidget {
public:
    explicit TabControl(QWidget* parent);

private:
    void showEvent(QShowEvent* event) override;

    bool controlsPlaced_ = false;
};

}  // namespace skyfolio
