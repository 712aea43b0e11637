#pragma once

#include "framework/headless/ResourceScript.h"
#include "framework/headless/Window.h"

namespace headless::detail {

// The window of a dialog and its controls, made from its template. It is not shown yet.
std::unique_ptr<HWND__> BuildDialogWindow(const DialogTemplate& dialogTemplate, CDialog& dialog);

// The items the system puts into the system menu of a dialog.
std::vector<MenuItem> DefaultSystemMenu();

} // namespace headless::detail
