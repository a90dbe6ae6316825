#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ClipWindow;
class Form2;
class Form5;
class Form6;
class SlideShow;
struct AppContext;

// The windows the main window opens: the import window, the settings and
// save-drive windows, the clip window and the slide show. Each is made at its
// first use, as a child of the main window, and afterwards only hidden and
// shown again, so that it keeps what it shows from one opening to the next.
// Every connection to and from them is made here, once, when it is made.
class SecondaryWindows : public QObject {
    Q_OBJECT

public:
    // Connects the main window's commands that open the windows. Saving the
    // settings writes DRVDATA.TXT in settingsFolder (a host folder) and then
    // ends the program through endProgram.
    SecondaryWindows(AppContext& program, const QString& settingsFolder,
                     std::function<void()> endProgram);

    Form2& form2();
    Form5& form5();
    Form6& form6();
    ClipWindow& clipWindow();
    SlideShow& slideShow();

private:
    AppContext& m_program;
    QString m_settingsFolder;
    std::function<void()> m_endProgram;
    Form2* m_form2 = nullptr;
    Form5* m_form5 = nullptr;
    Form6* m_form6 = nullptr;
    ClipWindow* m_clipWindow = nullptr;
    SlideShow* m_slideShow = nullptr;
};
