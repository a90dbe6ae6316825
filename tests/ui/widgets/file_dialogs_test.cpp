// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_file_dialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <gtest/gtest.h>

namespace {

TEST(ImageFileDialog, OffersOneTypeNamedImageForOneExistingFile) {
    const std::unique_ptr<QFileDialog> dialog = makeImageFileDialog(nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("イメージファイル　選択"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 1);
    EXPECT_EQ(types->currentText(), QStringLiteral("画像"));
}

} // namespace
