// SPDX-License-Identifier: MIT
// The main window driven by scripts of real key and mouse events; the platform is recorded.
#include "support/fake_services.h"
#include "support/modal.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>

namespace {

struct Window {
    FakeServices services;
    ui::Form1 form{services};
    QLineEdit* text1 = form.findChild<QLineEdit*>("Text1");
    QWidget other; // another application's window

    Window() { activate(&form); }
    static void activate(QWidget* window) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QLabel* label(const QString& name) const { return form.findChild<QLabel*>(name); }

    // Runs a script: steps of a verb and its argument, separated by semicolons.
    void run(const QString& script) {
        for (const QString& step : script.split(';', Qt::SkipEmptyParts))
            runStep(step);
    }
    void runStep(const QString& step) {
        const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
        QWidget* focus = QApplication::focusWidget();
        if (verb == "click")
            QTest::mouseClick(form.findChild<QWidget*>(arg), Qt::LeftButton);
        else if (verb == "type")
            QTest::keyClicks(focus, arg);
        else if (verb == "key")
            QTest::keyClick(focus, QKeySequence(arg)[0].key(), QKeySequence(arg)[0].keyboardModifiers());
        else if (verb == "clipboard")
            QGuiApplication::clipboard()->setText(arg);
        else if (verb == "year")
            services.year = arg.toInt();
        else if (verb == "answer")
            services.answers = {platform::Answer::Yes};
        else if (verb == "close")
            form.close();
        else if (verb == "late") // the window system activates this window only after a box
            services.whileMessageShows = [this] { activate(&other); };
        else if (verb == "away")
            activate(&other);
        else if (verb == "back")
            activate(&form);
        else if (verb == "menupaste") { // the entry's context menu: paste, if it offers to
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, text1->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(text1, &event);
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
            for (QAction* item : QApplication::activePopupWidget()->actions())
                item->text().startsWith("&Paste") ? item->trigger() : void();
            QApplication::activePopupWidget()->close();
        } else if (verb == "drop") { // at the end of the text
            QMimeData dropped;
            dropped.setText(arg);
            const QPoint end(text1->width() - 4, 5);
            QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(text1, &enter);
            QApplication::sendEvent(text1, &drop);
        } else
            QFAIL(qPrintable("unknown step " + step));
    }
    // What a person sees: the prompt, the entry [its selection], the sign, the picture, the
    // focus, and the messages shown so far.
    QString seen() const {
        QString messages;
        for (const FakeServices::Message& m : services.messages)
            messages += QString::fromStdString(" " + m.text + "@" + m.title) + QString::number(int(m.style));
        return label("Label3")->text() + '|' + text1->text() + '[' + text1->selectedText() + "]|" +
               label("Label2")->text() + '|' + label("Picture1")->accessibleName() + '|' +
               (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-") +
               '|' + (form.isVisible() ? "" : "closed") + messages;
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR)); }
    void cleanup() { CloseLeftoverModals(); }

    // clang-format off
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        QTest::newRow("start") << "" << "请输入您的年龄|0[]||无图片|Option1|";
        QTest::newRow("Enter at start: this year") << "year 2024;key Return" << "请输入您的年龄|0[]|龙|龙|Option1|";
        QTest::newRow("birth year 1984")
            << "click Option2;click Text1;type 1984;key Return" << "请输入出生年份|1984[]|鼠|鼠|Text1|";
        QTest::newRow("a goat year by age") << "click Text1;type 11;click Command1" << "请输入您的年龄|11[]|羊|羊|Command1|";
        QTest::newRow("only digits, 3 for an age")
            << "click Text1;type 1a 9-.2;type 5" << "请输入您的年龄|192[]||无图片|Text1|";
        QTest::newRow("4 for a year, backspace") << "key Right;key Tab;type 12345;key Backspace" << "请输入出生年份|123[]||无图片|Text1|";
        QTest::newRow("Ctrl shortcuts do nothing")
            << "click Text1;type 12;clipboard 7;key Ctrl+A;key Ctrl+V;key Ctrl+X;key Ctrl+Z;key Ctrl+Backspace"
            << "请输入您的年龄|12[]||无图片|Text1|";
        QTest::newRow("paste digits, cut to the room")
            << "click Option2;click Text1;clipboard 19845;key Shift+Ins" << "请输入出生年份|1984[]||无图片|Text1|";
        QTest::newRow("paste nothing but digits")
            << "click Option2;click Text1;key Backspace;type 19;clipboard 12ab;key Shift+Ins;menupaste;drop １;drop 1a"
            << "请输入出生年份|19[]||无图片|Text1|";
        QTest::newRow("paste and drop digits")
            << "click Option2;click Text1;clipboard 19;menupaste;drop 84" << "请输入出生年份|1984[]||无图片|Text1|";
        QTest::newRow("a click into the entry clears the result and selects it")
            << "click Text1;type 26;click Command1;click Text1;type 7" << "请输入您的年龄|7[]||无图片|Text1|";
        QTest::newRow("tab into a year")
            << "click Option2;click Text1;type 1984;key Tab;key Tab;key Tab;key Tab;key Tab;type 20051"
            << "请输入出生年份|2005[]||无图片|Text1|";
        QTest::newRow("the result stays past another window")
            << "click Text1;type 26;key Return;away;back" << "请输入您的年龄|26[]|龙|龙|Text1|";
        QTest::newRow("another mode clears the result")
            << "key Return;key Right" << "请输入出生年份|0[]||无图片|Option2|";
        QTest::newRow("the chosen mode again changes nothing")
            << "click Text1;type 26;key Return;click Option1" << "请输入您的年龄|26[]|龙|龙|Option1|";
        const QString age = " 请输入小于等于150岁的数字！@请重输16", year = " 请输入四位出生年份！@请重输16";
        QTest::newRow("age 151") << "click Text1;type 151;click Command1;type 7" << "请输入您的年龄|7[]||无图片|Text1|" + age;
        QTest::newRow("year 0999") << "key Right;key Tab;type 0999;key Return;type 7" << "请输入出生年份|7[]||无图片|Text1|" + year;
        QTest::newRow("year 999, activated late")
            << "key Right;key Tab;type 999;late;key Return;back;type 7" << "请输入出生年份|7[]||无图片|Text1|" + year;
        QTest::newRow("age 151, activated late")
            << "click Text1;type 151;late;click Command1;back;type 7" << "请输入您的年龄|7[]||无图片|Text1|" + age;
        QTest::newRow("no digits") << "click Text1;key Backspace;key Return" << "请输入您的年龄|0[0]||无图片|Text1| 请输入数字！@请重输16";
        const QString asked = " 真的要退出吗？@退出52";
        QTest::newRow("退出, No") << "click Text1;type 42;click Command2" << "请输入您的年龄|42[]||无图片|Command2|" + asked;
        QTest::newRow("Esc, Yes") << "click Text1;answer;key Esc" << "请输入您的年龄|0[0]||无图片|-|closed" + asked;
        QTest::newRow("Enter on 退出, Yes")
            << "key Tab;key Tab;key Tab;answer;key Return" << "请输入您的年龄|0[]||无图片|-|closed" + asked;
        QTest::newRow("close box, No") << "close" << "请输入您的年龄|0[]||无图片|Option1|" + asked;
    }
    // clang-format on
    void scripts() {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Window w;
        w.run(script);
        QCOMPARE(w.seen(), seen);
        QCOMPARE(w.services.programEnds, int(seen.contains("closed")));
    }

    void theWindowFollowsItsLayoutTable() {
        Window w;
        QCOMPARE(w.form.windowTitle(), "Moltrava1.2    QQ:000000000");
        QVERIFY((w.form.geometry().center() - w.form.screen()->availableGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(w.form.size(), QSize(390, 312)); // twips divided by 15
        for (const auto& [name, box] : {std::pair{"frame1", QRect(67, 24, 257, 65)}, {"Option2", QRect(128, 19, 63, 33)},
                                        {"Text1", QRect(262, 124, 52, 29)}, {"Command2", QRect(251, 256, 65, 33)},
                                        {"Picture1", QRect(256, 180, 37, 37)}})
            QCOMPARE(w.form.findChild<QWidget*>(name)->geometry(), box);
        QLabel* label4 = w.label("Label4"); // self-sizing: the corner kept, the caption fitted
        QCOMPARE(label4->geometry(), QRect(QPoint(64, 29), label4->sizeHint()));
        QVERIFY(label4->font().bold() && label4->font().pointSizeF() == 9.0);
        QCOMPARE(label4->palette().color(QPalette::WindowText), QColor(0x00c000));
        QCOMPARE(w.text1->palette().color(QPalette::Text), QColor(0xff8000));
        w.run("click Option2;click Text1;type 1984;key Return");
        QLabel* picture = w.label("Picture1");
        QCOMPARE(picture->geometry(), QRect(256, 180, 64, 64).adjusted(0, 0, 2 * picture->frameWidth(), 2 * picture->frameWidth()));
        // A screen reader hears a window, labels by their live text and the entry by its prompt.
        QCOMPARE(QAccessible::queryAccessibleInterface(&w.form)->role(), QAccessible::Window);
        QCOMPARE(w.label("Label3")->buddy(), w.text1);
        QVERIFY(w.label("Label1")->accessibleName().isEmpty() && w.label("Label2")->accessibleName().isEmpty());
    }

    void aMissingOrBrokenPictureLeavesTheSignShown() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("生肖图片/鼠1.jpg")); // a folder where the file should be
        QVERIFY(QDir::setCurrent(folder.path()));
        Window w;
        w.run("click Option2;click Text1;type 1984;key Return");
        QCOMPARE(w.seen(), "请输入出生年份|1984[]|鼠|无图片|Text1|");
        w.run("click Option2;click Text1;type 1985;key Return");
        QCOMPARE(w.seen(), "请输入出生年份|1985[]|牛|无图片|Text1|");
    }

    void aRealRejectionBoxBelongsToTheWindowAndAnswersEnter() {
        ui::Form1 form;
        Window::activate(&form);
        QString shown;
        WhenModalShows([&](QWidget* box) {
            shown = box->windowTitle() + '|' + qobject_cast<QMessageBox*>(box)->text();
            QCOMPARE(box->parentWidget(), &form);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClicks(form.findChild<QWidget*>("Text1"), "151\r");
        QCOMPARE(shown, "请重输|请输入小于等于150岁的数字！");
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
