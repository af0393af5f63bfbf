// SPDX-License-Identifier: MIT
// The real message boxes, answered with real key and mouse events.
#include "platform/platform_services.h"
#include "support/modal.h"

#include <QMessageBox>
#include <QPushButton>

using platform::Answer;
using platform::MessageStyle;

class MessageBoxTest : public QObject {
    Q_OBJECT

    // Shows a box, lets `act` answer it, and returns the answer and what the box showed.
    static QString show(MessageStyle style, const char* title,
                        std::function<void(QMessageBox*)> act) {
        QString seen;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
            for (QAbstractButton* button : box->buttons())
                seen += '|' + button->text();
            act(box);
        });
        const Answer answer =
            platform::RealPlatformServices::instance().showMessage("请输入数字！", style, title);
        return seen + '=' + QString::number(int(answer));
    }

private Q_SLOTS:
    void cleanup() { CloseLeftoverModals(); }

    void okBoxesCarryTheirIconAndTitleAndCloseWithEnterOrEsc() {
        const auto press = [](int key) {
            return [key](QMessageBox* box) { QTest::keyClick(box, Qt::Key(key)); };
        };
        QCOMPARE(show(MessageStyle::Ok, "", press(Qt::Key_Return)),
                 "Moltrava V1.2|请输入数字！|0|确定=0");
        QCOMPARE(show(MessageStyle::OkStop, "请重输", press(Qt::Key_Escape)),
                 "请重输|请输入数字！|3|确定=0");
    }

    // Enter answers the first button, Yes; Esc and the close box do nothing.
    void theQuestionIsAnsweredOnlyByYesOrNo_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("answer");
        QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << int(Answer::Yes);
        QTest::newRow("Y") << QList<int>{Qt::Key_Y} << int(Answer::Yes);
        QTest::newRow("Esc does nothing, Y") << QList<int>{Qt::Key_Escape, Qt::Key_Y} << int(Answer::Yes);
        QTest::newRow("click No") << QList<int>{} << int(Answer::No);
    }
    void theQuestionIsAnsweredOnlyByYesOrNo() {
        QFETCH(QList<int>, keys);
        QFETCH(int, answer);
        const QString seen = show(MessageStyle::YesNoExclamation, "退出", [&](QMessageBox* box) {
            QVERIFY(!box->close());
            for (const int key : keys)
                QTest::keyClick(box, Qt::Key(key));
            if (keys.isEmpty())
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        QCOMPARE(seen, "退出|请输入数字！|2|是(&Y)|否(&N)=" + QString::number(answer));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
