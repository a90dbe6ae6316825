// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class MainWindow;
struct AppContext;

// Connects the thumbnail panel's scroll bar, mouse, wheel and keys to the
// page and marks, and the folder list's wheel and keys to the list; a right
// click on a thumbnail hands its photo number to clipPhoto, Enter on one to
// showPhoto.
void connectBrowserControls(AppContext& program, MainWindow& form,
                            std::function<void(int)> clipPhoto = {},
                            std::function<void(int)> showPhoto = {});
