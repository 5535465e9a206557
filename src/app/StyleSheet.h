#pragma once

#include <QString>

namespace scrivix {

// The look of the input screens: one application style sheet that selects
// on each control's style name.
QString scrivixStyleSheet();

} // namespace scrivix
