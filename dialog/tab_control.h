#pragma once

#include <QTabWidget>

namespace skyfolio {

// The tab control of the settings window. The design places each page's
// controls relative to the whole tab control, tab strip included, while Qt
// puts a page below the strip; so the controls move up by the page's offset
// once Qt has laid the tab control out, when it is first shown.
class TabControl : public QTabWidget {
public:
    explicit TabControl(QWidget* parent);

private:
    void showEvent(QShowEvent* event) override;

    bool controlsPlaced_ = false;
};

}  // namespace skyfolio
