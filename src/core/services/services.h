// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MessageService;
class ScreenService;
class Clock;
class FileSystem;
class FileDialogs;
class ModalRunner;
class ThumbnailLoader;
class PrinterService;
class Clipboard;

// The machine as the program reaches it. The application owns the real
// services; tests hand in scripted ones.
struct Services {
    MessageService& messages;
    ScreenService& screen;
    Clock& clock;
    FileSystem& files;
    FileDialogs& dialogs;
    ModalRunner& modals;
    ThumbnailLoader& thumbnails;
    PrinterService& printer;
    Clipboard& clipboard;
};
