// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_translations.h"
#include "core/services/message_service.h"
#include "ui/widgets/qt_message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(JapaneseQtTexts, QuestionsAnswerHaiOrIie) {
    QTranslator* translator = installJapaneseQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_ja.qm is missing";
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QAbstractButton* button : box->buttons())
            shown << button->text().left(button->text().indexOf(u'('));
        box->buttons().last()->click();
    });
    QtMessageService().askYesNo(QStringLiteral("いいですか。"));
    EXPECT_TRUE(shown.contains(QStringLiteral("はい")) && shown.contains(QStringLiteral("いいえ")))
        << shown.join(u',').toStdString();
    delete translator;
}
