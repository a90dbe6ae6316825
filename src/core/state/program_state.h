// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/folder_index.h"

#include <QString>
#include <array>

// The program's state in its parts. One instance per running program, owned
// by the application and passed by reference to every window and routine.
// The clip window, the slide show and printing keep their own.

inline constexpr int MaxPhotos = 1000;
inline constexpr int ClassCount = 30;

// What the folder-name window's run does with the name typed.
enum class FolderNameMode { Import, Rename, MakeFolder };

// What a click on a folder of the list does: open it, or take it as the
// target of the photos being copied.
enum class FolderPick { Open, CopyTarget };

// The screen the main window was laid out for.
struct ScreenFit {
    int ScreenWidthPx = 0;
    int ThumbColumns = 0;
};

// The settings file's values and the save root made from them.
struct ProgramSettings {
    QString PhotoDrivePath;
    QString SaveRootSetting;
    QString SaveBase;
    QString SaveSubFolder;
    QString SaveRoot;
    QString UsageMode;
    int PcNumber = 0;
    QString DatabaseRoot;
};

// The class chosen, its folder and index, and the folder list's page.
struct OpenClass {
    std::array<QString, ClassCount + 1> ClassNames; // entries 1..30
    QString ClassName;
    QString ClassSubFolder;
    QString ClassFolder;
    FolderIndex FolderTable; // ClassFolder's index; its count() is the folder count
    int CurrentFolderIndex = 0;
    int FolderListTop = 0;
    int FocusedFolderRow = 0;  // the folder row Up and Down move through; 0 for none
    FolderIndex DbFolderTable; // the database index as last read while saving into it
};

// The open photo folder: its photos (entries 1..PhotoCount), their marks and
// the thumbnail page shown.
struct OpenFolder {
    QString FolderTitle;
    QString PhotoFolder;
    std::array<QString, MaxPhotos + 1> PhotoPaths;
    int PhotoCount = 0;
    std::array<int, MaxPhotos + 1> PhotoMarks{};
    int ThumbTopRow = 0;
    int FocusedPhoto = 0; // the photo with the keyboard focus frame; 0 for none
    // The size of the photo most recently drawn.
    int ImageWidth = 0;
    int ImageHeight = 0;

    // Clears the marks of photos 1..count.
    void clearMarks(int count);
};

// A copy of marked photos waiting for the pupil to click its target folder.
struct PendingCopy {
    FolderPick Pick = FolderPick::Open;
    int PickCount = 0;
};

// The marked photos' paths as the last delete, copy, save or slide show
// collected them (entries 1..).
struct PhotoSelection {
    std::array<QString, MaxPhotos + 1> SelectedPaths;
    int SelectedCount = 0;
};

struct ProgramState {
    ScreenFit screen;
    ProgramSettings settings;
    OpenClass openClass;
    OpenFolder folder;
    PendingCopy copy;
    PhotoSelection selection;
    FolderNameMode FolderNameWindowMode = FolderNameMode::Import;
};
