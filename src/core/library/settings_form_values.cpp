#include "core/library/settings_form_values.h"

#include "core/geometry/rounding.h"
#include "core/state/program_state.h"

#include <cmath>

namespace {

// The leading number the way a text-to-number conversion reads it: blanks,
// a sign, digits and a decimal fraction; the rest of the text is ignored.
double leadingNumber(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
    const auto isDigit = [&text](qsizetype i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    while (isDigit(pos))
        ++pos;
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        while (isDigit(pos))
            ++pos;
    }
    bool ok = false;
    const double number = text.mid(start, pos - start).toDouble(&ok);
    return ok ? number : 0.0;
}

} // namespace

std::optional<int> nodeNumberOf(const QString& text) {
    if (text == QStringLiteral("先生機"))
        return 999;
    const double number = leadingNumber(text.normalized(QString::NormalizationForm_KC));
    if (!(std::abs(number) < 40000.0))
        return std::nullopt;
    const int rounded = roundHalfEven(number);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return rounded;
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
    return {state.PhotoDrivePath, state.SaveRootSetting, state.SaveSubFolder,
            state.UsageMode,      state.PcNumber,        state.DatabaseRoot};
}
