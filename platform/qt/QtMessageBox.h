#pragma once

class QWidget;

namespace platform::qt {

// MessageBoxA through QMessageBox: MB_* icon and buttons, Windows-1252 texts.
int ShowMessageBox(QWidget* owner, const char* text, const char* caption, unsigned type);

}  // namespace platform::qt
