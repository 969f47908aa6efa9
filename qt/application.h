#pragma once

#include <QString>

namespace qtui {

// What every program of the installation sets up once its QApplication
// exists: its name and version, the desktop entry it belongs to, the window
// icon, and the fonts every window uses.
void SetUpApplication(const QString& name);

} // namespace qtui
