#include "app/secondary_windows.h"

#include "import/form2.h"
#include "import/import_commands.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/clock.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "settings/form5.h"
#include "settings/form6.h"
#include "settings/settings_commands.h"
#include "settings/settings_form_values.h"
#include "viewing/clip_window.h"
#include "viewing/slide_show.h"

#include <QAction>
#include <QPushButton>

SecondaryWindows::SecondaryWindows(AppContext& program, const QString& settingsFolder,
                                   std::function<void()> endProgram)
    : QObject(&program.form), m_program(program), m_settingsFolder(settingsFolder),
      m_endProgram(std::move(endProgram)) {
    Form1& form = program.form;
    connect(form.MNUFILELOAD, &QAction::triggered, this,
            [this] { openForm2(m_program, form2(), Form2Import); });
    connect(form.MNU_MKFOLDER, &QAction::triggered, this,
            [this] { openForm2(m_program, form2(), Form2MakeFolder); });
    connect(form.Command4, &QPushButton::clicked, this,
            [this] { openForm2(m_program, form2(), Form2Rename); });
    connect(form.mnu_conv, &QAction::triggered, this,
            [this] { m_program.services.modals.runModal(form5()); });
    connect(form.Command8, &QPushButton::clicked, this, [this] { openForm6(m_program, form6()); });
    connect(form.mnudisp, &QAction::triggered, this, [this] { slideShow().start(); });
}

Form2& SecondaryWindows::form2() {
    if (!m_form2) {
        m_form2 = new Form2(&m_program.form);
        connect(m_form2, &Form2::runRequested, this, [this] { runForm2(m_program, *m_form2); });
    }
    return *m_form2;
}

Form5& SecondaryWindows::form5() {
    if (!m_form5) {
        // Next year is offered too, for setting up before the school year starts.
        m_form5 = new Form5(settingsInForce(m_program.state),
                            m_program.services.clock.now().date().year() + 1, &m_program.form);
        connect(m_form5->Command1, &QPushButton::clicked, this,
                [this] { chooseFolderInto(m_program, *m_form5); });
        connect(m_form5->Command2, &QPushButton::clicked, this,
                [this] { saveSettings(m_program, *m_form5, m_settingsFolder, m_endProgram); });
    }
    return *m_form5;
}

Form6& SecondaryWindows::form6() {
    if (!m_form6) {
        m_form6 = new Form6(&m_program.form);
        connect(m_form6, &Form6::driveChosen, this,
                [this](int index) { chooseSaveDrive(m_program, *m_form6, index); });
    }
    return *m_form6;
}

ClipWindow& SecondaryWindows::clipWindow() {
    if (!m_clipWindow)
        m_clipWindow = new ClipWindow(m_program);
    return *m_clipWindow;
}

SlideShow& SecondaryWindows::slideShow() {
    if (!m_slideShow)
        m_slideShow = new SlideShow(m_program);
    return *m_slideShow;
}
