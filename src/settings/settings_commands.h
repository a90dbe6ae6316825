#pragma once

#include <QString>
#include <functional>

struct Program;

// Connects "環境設定" to the settings window and the class panel's save-drive
// button to the save-drive window. Saving the settings writes DRVDATA.TXT in
// programFolder (a host folder) and then ends the program through endProgram.
void connectSettingsCommands(Program& program, const QString& programFolder,
                             std::function<void()> endProgram);
