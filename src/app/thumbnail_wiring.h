#pragma once

#include <functional>

class MainWindow;
struct AppContext;

// Connects the thumbnail panel's scroll bar and mouse to the page and marks;
// a right click on a thumbnail hands its photo number to clipPhoto.
void connectBrowserControls(AppContext& program, MainWindow& form,
                            std::function<void(int)> clipPhoto = {});
