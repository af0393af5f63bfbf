// SPDX-License-Identifier: MIT
// The real message boxes, answered from the test with real key and mouse events.
#include "platform/message_box.h"
#include "support/modal.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace platform;
using testing_support::WhenModalShows;

class MessageBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { testing_support::CloseLeftoverModals(); }

    void okBoxesCarryTheirIconAndTheProgramTitle_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("key");
        QTest::newRow("plain, default title, Enter")
            << 0 << QString() << int(QMessageBox::NoIcon) << int(Qt::Key_Return);
        QTest::newRow("stop, own title, Esc")
            << 16 << QStringLiteral("请重输") << int(QMessageBox::Critical) << int(Qt::Key_Escape);
    }
    void okBoxesCarryTheirIconAndTheProgramTitle() {
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(int, key);
        QString seenTitle, seenText, seenButton;
        int seenIcon = -1;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenButton = box->buttons().value(0)->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        const int answer = ShowMessage(nullptr, QStringLiteral("请输入数字！"),
                                       static_cast<MessageStyle>(style), title);
        QCOMPARE(answer, AnswerOk);
        QCOMPARE(seenTitle, title.isEmpty() ? QStringLiteral("Moltrava V1.2") : title);
        QCOMPARE(seenText, QStringLiteral("请输入数字！"));
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenButton, QStringLiteral("确定"));
    }

    void theQuestionIsAnsweredOnlyByYesOrNo_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("expected");
        QTest::newRow("Enter answers the first button") << QList<int>{Qt::Key_Return} << AnswerYes;
        QTest::newRow("Y") << QList<int>{Qt::Key_Y} << AnswerYes;
        QTest::newRow("N") << QList<int>{Qt::Key_N} << AnswerNo;
        QTest::newRow("Esc does nothing") << QList<int>{Qt::Key_Escape, Qt::Key_N} << AnswerNo;
    }
    void theQuestionIsAnsweredOnlyByYesOrNo() {
        QFETCH(QList<int>, keys);
        QFETCH(int, expected);
        bool stillOpenAfterEveryKey = true;
        QStringList buttons;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QVERIFY(!box->close()); // the close box is refused too
            for (int i = 0; i < keys.size(); ++i) {
                if (i > 0)
                    stillOpenAfterEveryKey &= box->isVisible();
                QTest::keyClick(box, Qt::Key(keys[i]));
            }
        });
        const int answer = ShowMessage(nullptr, QStringLiteral("真的要退出吗？"),
                                       MessageStyle::YesNoExclamation, QStringLiteral("退出"));
        QCOMPARE(answer, expected);
        QVERIFY(stillOpenAfterEveryKey);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("否(&N)"), QStringLiteral("是(&Y)")}));
    }

    void clickingNoAnswersNo() {
        WhenModalShows([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        QCOMPARE(ShowMessage(nullptr, QStringLiteral("?"), MessageStyle::YesNoExclamation),
                 AnswerNo);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
