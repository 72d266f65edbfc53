#pragma once

class QWidget;

namespace skyfolio {

// Enables or disables an input field and paints it the way the system marks
// that state: the window-background colour when enabled, the 3-D light colour
// when disabled.
void setFieldEnabled(QWidget* field, bool enabled);

}  // namespace skyfolio
