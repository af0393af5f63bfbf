// SPDX-License-Identifier: MIT
// The Qt main window driven by scripts of real key and mouse events, which must reach the rules;
// the platform is recorded.
#include "support/fake_services.h"
#include "ui/qt/form1.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTest>

#include <map>

namespace {

void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window, 30000));
}

struct Window {
    FakeServices services;
    ui::qt::Form1 form{services};
    QLineEdit* text1 = form.findChild<QLineEdit*>("Text1");
    QWidget other; // another application's window

    Window() { activate(&form); }
    QLabel* label(const char* name) const { return form.findChild<QLabel*>(name); }

    // Runs steps, separated by semicolons, each a verb and its argument.
    void run(const QString& script) {
        const auto drop = [this](const QString& text) { // at the end of the entry
            QMimeData dropped;
            dropped.setText(text);
            QDragEnterEvent enter({text1->width() - 4, 5}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QDropEvent drop(QPointF(text1->width() - 4, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(text1, &enter);
            QApplication::sendEvent(text1, &drop);
        };
        const auto menuPaste = [this] { // the entry's context menu, if it offers to paste
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, text1->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(text1, &event);
            for (QAction* item : QApplication::activePopupWidget()->actions()) {
                if (item->text().endsWith("\tCtrl+V")) // Paste, in any language
                    item->trigger();
            }
            QApplication::activePopupWidget()->close();
        };
        // clang-format off
        const std::map<QString, std::function<void(const QString&)>> verbs{
            {"click", [this](const QString& name) { click(name, Qt::LeftButton); }},
            {"type", [](const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }},
            {"key", [](const QString& key) { QTest::keySequence(QApplication::focusWidget(), QKeySequence(key)); }},
            {"clipboard", [](const QString& text) { QGuiApplication::clipboard()->setText(text); }},
            {"menukey", [](const QString&) { // as Qt's window hands the Menu key to the focus
                QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, {});
                QApplication::sendEvent(QApplication::focusWidget(), &event); }},
            {"yes", [this](const QString&) { services.answer = platform::Answer::Yes; }},
            {"away", [this](const QString&) { activate(&other); }},
            {"back", [this](const QString&) { activate(&form); }},
            {"close", [this](const QString&) { form.close(); }},
            {"menupaste", [&](const QString&) { menuPaste(); }}, {"drop", drop},
            {"compose", [this](const QString& text) { // what an input method commits
                QInputMethodEvent event;
                event.setCommitString(text);
                QApplication::sendEvent(text1, &event);
            }},
            // the right button over a control, or over the background (no name)
            {"rclick", [this](const QString& name) { click(name, Qt::RightButton); }},
            {"mpaste", [this](const QString& text) { // the X11 selection by the middle button
                QGuiApplication::clipboard()->setText(text, QClipboard::Selection), click("Text1", Qt::MiddleButton); }},
            {"menu", [this](const QString& item) { form.findChild<QAction*>(item)->trigger(); }}};
        // clang-format on
        for (const QString& step : script.split(';'))
            verbs.at(step.section(' ', 0, 0))(step.section(' ', 1));
    }
    // Clicks a control, or the window's background.
    void click(const QString& name, Qt::MouseButton button) {
        if (name.isEmpty())
            QTest::mouseClick(&form, button, {}, {8, 300});
        else
            QTest::mouseClick(form.findChild<QWidget*>(name), button);
    }
    // What a person sees: the prompt, the entry [its selection], the sign, the picture, the
    // focus, the menu, and each message box shown: its text, title and style.
    QString seen() const {
        const QWidget* focus = QApplication::focusWidget();
        const QWidget* menu = QApplication::activePopupWidget();
        const QPoint at = menu ? menu->pos() - form.mapToGlobal(QPoint()) : QPoint();
        QString all = QString("prompt=%1 entry=%2[%3] sign=%4 picture=%5 focus=%6")
                          .arg(label("Label3")->text(), text1->text(), text1->selectedText(), label("Label2")->text(),
                               label("Picture1")->accessibleName(), focus ? focus->objectName() : "-");
        all += (form.isVisible() ? "" : " closed") +
               (menu ? QString(" %1 at %2,%3").arg(menu->objectName()).arg(at.x()).arg(at.y()) : "");
        for (const FakeServices::Message& m : services.messages)
            all += QString::fromStdString(" | " + m.text + " @" + m.title + ' ' + std::to_string(int(m.style)));
        return all;
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // clang-format off
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const QString age = "prompt=请输入您的年龄 ", year = "prompt=请输入出生年份 ", asked = " | 真的要退出吗？ @退出 52";
        QTest::newRow("digits only, 3 for an age") << "click Text1;type 1a 9-.25;key Home;key Delete" << age + "entry=92[] sign= picture=无图片 focus=Text1";
        QTest::newRow("no Ctrl shortcut") << "click Text1;type 12;key Ctrl+A;key Ctrl+X;key Ctrl+Z;key Ctrl+Backspace;clipboard 7;key Ctrl+V"
                                          << age + "entry=12[] sign= picture=无图片 focus=Text1";
        QTest::newRow("a paste cut to the room") << "click Option2;click Text1;clipboard 19845;key Shift+Ins" << year + "entry=1984[] sign= picture=无图片 focus=Text1";
        QTest::newRow("a paste judged whole") << "click Option2;click Text1;key Backspace;type 19;clipboard 12ab;key Shift+Ins;menupaste;drop 12ab;compose 8a;mpaste 12ab"
                                              << year + "entry=19[] sign= picture=无图片 focus=Text1";
        QTest::newRow("menu paste and drop") << "click Option2;click Text1;clipboard 19;menupaste;drop 84" << year + "entry=1984[] sign= picture=无图片 focus=Text1";
        QTest::newRow("a click into the entry") << "click Text1;type 26;click Command1;click Text1;type 7" << age + "entry=7[] sign= picture=无图片 focus=Text1";
        QTest::newRow("Tab round into a year") << "key Right;key Tab;type 1984;key Tab;key Tab;key Tab;key Tab;key Tab;type 20051"
                                               << year + "entry=2005[] sign= picture=无图片 focus=Text1";
        QTest::newRow("the result stays past another window") << "click Text1;type 26;key Return;away;back" << age + "entry=26[] sign=龙 picture=龙 focus=Text1";
        QTest::newRow("the same mode keeps it") << "click Text1;type 26;key Return;click Option1" << age + "entry=26[] sign=龙 picture=龙 focus=Option1";
        QTest::newRow("Esc, Yes") << "click Text1;yes;key Esc" << age + "entry=0[0] sign= picture=无图片 focus=- closed" + asked;
        QTest::newRow("Enter on 退出, Yes") << "key Tab;key Tab;key Tab;yes;key Return" << age + "entry=0[] sign= picture=无图片 focus=- closed" + asked;
        QTest::newRow("the close box, No") << "close" << age + "entry=0[] sign= picture=无图片 focus=Option1" + asked;
        const QString notice = " | 本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，就可以通过本软件的反查功能来实现。 @ 0";
        QTest::newRow("the menu over the background") << "rclick;menu aboutjh" << age + "entry=0[] sign= picture=无图片 focus=Option1 gyabout at 8,300" + notice;
        QTest::newRow("the Menu key") << "menukey;menu aboutjh" << age + "entry=0[] sign= picture=无图片 focus=Option1 gyabout at 107,59" + notice;
        QTest::newRow("Shift+F10") << "key Tab;key Tab;key Shift+F10" << age + "entry=0[] sign= picture=无图片 focus=Command1 gyabout at 107,272";
        QTest::newRow("Shift+F10 in the entry") << "click Text1;key Shift+F10" << age + "entry=0[0] sign= picture=无图片 focus=Text1 qt_edit_menu at 276,138";
        for (const char* control : {"Label1", "Picture1", "frame1", "Label4", "Command1"})
            QTest::newRow(control) << QString("rclick ") + control << age + "entry=0[] sign= picture=无图片 focus=" + (control[0] == 'C' ? control : "Option1");
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

    // Twips divided by 15; the self-sizing label keeps its corner and fits its caption; the
    // picture box takes the size of the picture.
    void theWindowFollowsItsLayoutTable() {
        Window w;
        QCOMPARE(w.form.windowTitle(), "Moltrava1.2    QQ:000000000");
        QCOMPARE(w.form.geometry(),
                 QRect(w.form.screen()->availableGeometry().center() - QPoint(194, 155), QSize(390, 312)));
        QCOMPARE(w.label("Label4")->geometry(), QRect(QPoint(64, 29), w.label("Label4")->sizeHint()));
        QCOMPARE(w.text1->palette().color(QPalette::Text), QColor(0xff8000)); // its one colour
        QTRY_COMPARE(w.form.windowIcon().availableSizes().size(), 5);         // once the window is painted
        const QImage unfocused = w.label("Picture1")->grab().toImage();
        w.run("key Shift+Tab"); // back from 年龄 to the picture box, which shows that it has the focus
        QVERIFY(w.label("Picture1")->grab().toImage() != unfocused);
        w.run("key Tab");
        QCOMPARE(w.label("Picture1")->grab().toImage(), unfocused);
        w.run("key Return");
        QCOMPARE(w.label("Picture1")->size(), QSize(64, 64) + 2 * QSize(1, 1) * w.label("Picture1")->frameWidth());
        QCOMPARE(w.label("Label2")->geometry(), QRect(QPoint(217, 189), w.label("Label2")->sizeHint()));
        w.run("key Right"); // a cleared result gives the picture box its own size back, and the sign's label no width
        w.form.resize(500, 400); // the controls stay put
        QString boxes;
        for (const char* name : {"frame1", "Option2", "Text1", "Command2", "Picture1", "Label2"})
            QDebug(&boxes).nospace() << w.form.findChild<QWidget*>(name)->geometry();
        QCOMPARE(boxes, "QRect(67,24 257x65)QRect(128,19 63x33)QRect(262,124 52x29)QRect(251,256 "
                        "65x33)QRect(256,180 37x37)QRect(217,189 0x34)");
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
