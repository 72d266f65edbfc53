#pragma once

class QLineEdit;

namespace skyfolio {

// A password box shows each character typed as "*", whatever the desktop's
// style would draw.
void echoAsAsterisks(QLineEdit& field);

}  // namespace skyfolio
