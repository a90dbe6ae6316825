// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_points.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Target {
    const char* name;
    bool (*check)(const QByteArray&);
};

class CorpusReplay : public testing::TestWithParam<Target> {};

// Every seed and every input a fuzzer once crashed on goes through the same
// entry function as in the fuzz build.
TEST_P(CorpusReplay, EveryCorpusFileKeepsThePropertiesOfItsTarget) {
    const QDir folder(QStringLiteral(FOTOBAKO_FUZZ_CORPUS "/") + QLatin1String(GetParam().name));
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << folder.path().toStdString();
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(GetParam().check(file.readAll())) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay,
                         testing::Values(Target{"index_reader", checkIndexReader},
                                         Target{"settings_reader", checkSettingsReader},
                                         Target{"name_check", checkNameCheck},
                                         Target{"cp932", checkCp932}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
