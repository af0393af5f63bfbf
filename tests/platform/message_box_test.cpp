// SPDX-License-Identifier: MIT
// The real message boxes, answered with real key and mouse events.
#include "platform/platform_services.h"
#include "support/modal.h"

#include <QMessageBox>
#include <QPushButton>

using platform::MessageStyle;

class MessageBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CloseLeftoverModals(); }

    // The box's title, text, icon and buttons, and its answer to the keys, or to a click on No.
    void eachStyleLooksAndAnswersAsItShould_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("seen");
        // clang-format off
        const QString question = "退出|请输入数字！|2|是(&Y)|否(&N)=";
        QTest::newRow("OK, Enter") << 0 << "" << QList<int>{Qt::Key_Return} << "Moltrava V1.2|请输入数字！|0|确定=0";
        QTest::newRow("stop, Esc") << 16 << "请重输" << QList<int>{Qt::Key_Escape} << "请重输|请输入数字！|3|确定=0";
        QTest::newRow("question, Enter: the first button") << 52 << "退出" << QList<int>{Qt::Key_Return} << question + "1";
        QTest::newRow("question, Esc does nothing, N") << 52 << "退出" << QList<int>{Qt::Key_Escape, Qt::Key_N} << question + "2";
        QTest::newRow("question, Esc does nothing, Y") << 52 << "退出" << QList<int>{Qt::Key_Escape, Qt::Key_Y} << question + "1";
        QTest::newRow("question, No clicked") << 52 << "退出" << QList<int>{} << question + "2";
        // clang-format on
    }
    void eachStyleLooksAndAnswersAsItShould() {
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QList<int>, keys);
        QFETCH(QString, seen);
        QString shown;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
            for (QAbstractButton* button : box->buttons())
                shown += '|' + button->text();
            QVERIFY(style != 52 || !box->close()); // the question has no close box either
            for (const int key : keys)
                QTest::keyClick(box, Qt::Key(key));
            if (keys.isEmpty())
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        const platform::Answer answer = platform::RealPlatformServices::instance().showMessage(
            "请输入数字！", MessageStyle(style), title.toStdString());
        QCOMPARE(shown + '=' + QString::number(int(answer)), seen);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
