// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/app_context.h"
#include "core/commands/main_view.h"
#include "core/services/services.h"
#include "support_library/library_fixture.h"

#include <QImage>
#include <QString>
#include <QStringList>

// Nine marked photos of the open folder, printed at eight per sheet onto a
// printer of the test's choosing. The photos are real camera photos from the
// shared test data when present, else solid-coloured ones drawn for the test.
struct NinePhotoJob {
    explicit NinePhotoJob(PrinterService& printer);

    // Chooses "１シートに，８まいずつ" and answers Yes.
    void printEightToASheet();

    // The photo as the print shows it: decoded upright, at full size.
    QImage photo(int n) const;
    // Why the rendered page does not show photo n in cell cell (1..8), empty
    // when it does; and the same for the paper between the two columns.
    QString cellShowsPhoto(const QImage& page, int cell, int n) const;
    static QString gapIsPaper(const QImage& page);

    LibraryRig rig;
    Services services;
    MainView& view;
    AppContext program;
    bool realPhotos = false;
};
