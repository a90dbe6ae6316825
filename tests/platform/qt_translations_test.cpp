#include "platform/message_service.h"
#include "platform/qt_translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(JapaneseQtTexts, QuestionsAndMessagesAnswerInJapanese) {
    QTranslator* translator = installJapaneseQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_ja.qm is missing";
    QtMessageService messages;
    const struct {
        std::function<void()> show;
        QStringList expected;
    } cases[] = {
        {[&] { messages.askYesNo(QStringLiteral("いいですか。")); }, {"はい", "いいえ"}},
        {[&] { messages.inform(QStringLiteral("おわりました。")); }, {"OK"}},
    };
    for (const auto& c : cases) {
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                shown
                    << button->text().remove(QStringLiteral("(&Y)")).remove(QStringLiteral("(&N)"));
            box->buttons().last()->click();
        });
        c.show();
        for (const QString& text : c.expected)
            EXPECT_TRUE(shown.contains(text)) << shown.join(u',').toStdString();
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace
