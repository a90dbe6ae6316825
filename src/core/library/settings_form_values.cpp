// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/settings_form_values.h"

#include "core/state/program_state.h"

#include <algorithm>

std::optional<int> nodeNumberOf(const QString& text) {
    if (text == QStringLiteral("先生機"))
        return 999;
    if (text == QStringLiteral("利用しない"))
        return 0;
    const QString digits = text.normalized(QString::NormalizationForm_KC).trimmed();
    const bool whole =
        !digits.isEmpty() && digits.size() <= 3 &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!whole)
        return std::nullopt;
    return digits.toInt();
}

std::optional<SettingsValues> settingsFromTexts(const SettingsTexts& texts) {
    const std::optional<int> node = nodeNumberOf(texts.nodeNumber);
    if (!node)
        return std::nullopt;
    SettingsValues values;
    values.photoDrive =
        texts.photoDrive.endsWith(u'\\') ? texts.photoDrive : texts.photoDrive + u'\\';
    values.saveBase = texts.saveBase;
    values.saveSubFolder = texts.schoolYear;
    values.usageMode = texts.usageMode;
    values.pcNumber = *node;
    values.databaseRoot = texts.databaseRoot;
    return values;
}

SettingsValues settingsInForce(const ProgramState& state) {
    return {state.settings.PhotoDrivePath, state.settings.SaveRootSetting,
            state.settings.SaveSubFolder,  state.settings.UsageMode,
            state.settings.PcNumber,       state.settings.DatabaseRoot};
}
