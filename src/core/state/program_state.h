// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/folder_index.h"

#include <QString>
#include <array>

// Every program-wide variable, under one roof. One instance per running
// program, owned by the application and passed by reference to every window
// and routine.

inline constexpr int MaxPhotos = 1000;
inline constexpr int ClassCount = 30;

// What the folder-name window's run does with the name typed.
enum class FolderNameMode { Import, Rename, MakeFolder };

// What a click on a folder of the list does: open it, or take it as the
// target of the photos being copied.
enum class FolderPick { Open, CopyTarget };

struct ProgramState {
    // Screen mode
    int ScreenWidthPx = 0;
    int ThumbColumns = 0;

    // Settings
    QString PhotoDrivePath;
    QString SaveRootSetting;
    QString SaveBase;
    QString SaveSubFolder;
    QString SaveRoot;
    QString UsageMode;
    int PcNumber = 0;
    QString DatabaseRoot;

    // Class and folder index
    std::array<QString, ClassCount + 1> ClassNames; // entries 1..30
    QString ClassName;
    QString ClassSubFolder;
    QString ClassFolder;
    FolderIndex FolderTable; // ClassFolder's index; its count() is the folder count
    int CurrentFolderIndex = 0;
    int FolderListTop = 0;
    QString FolderTitle;
    QString PhotoFolder;
    FolderIndex DbFolderTable; // the database index as last read while saving into it

    // Photos of the open folder (entries 1..PhotoCount)
    std::array<QString, MaxPhotos + 1> PhotoPaths;
    int PhotoCount = 0;
    std::array<int, MaxPhotos + 1> PhotoMarks{};
    int ThumbTopRow = 0;
    int FocusedPhoto = 0;     // the photo with the keyboard focus frame; 0 for none
    int FocusedFolderRow = 0; // the folder row Up and Down move through; 0 for none
    int ImageWidth = 0;
    int ImageHeight = 0;

    // Operation state
    FolderPick Pick = FolderPick::Open;
    int PickCount = 0;
    std::array<QString, MaxPhotos + 1> SelectedPaths;
    int SelectedCount = 0;
    FolderNameMode FolderNameWindowMode = FolderNameMode::Import;
    int PrintPos = 0;
    int SlideCount = 0;
    int SlideIndex = 0;
    int ClipDragX = 0;
    int ClipDragY = 0;
    std::array<int, 3> ClipX{};
    std::array<int, 3> ClipY{};
    int ClipSizeMode = 0;
    int ClipAreaMode = 0;
    int ClipClickCount = 0;

    // Clears the marks of photos 1..count.
    void clearMarks(int count);
};
