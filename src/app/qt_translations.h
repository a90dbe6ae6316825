// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QTranslator;

// Loads Qt's own Japanese texts into the application whatever the locale says,
// so the standard buttons and dialogs read はい, いいえ and キャンセル for the
// children. The translator belongs to the application; null when Qt's
// Japanese translation is not installed.
QTranslator* installJapaneseQtTexts(QCoreApplication& application);
