// The event rules every screen relies on: which changes run a handler, and when.
#include "app/ui/Screen.h"
#include "app/ui/TComboBox.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TRadioGroup.h"
#include "session/DbError.h"
#include "tests/support/Scripted.h"
#include "tests/support/UiDriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    // A name rule like the screens' own: each rewrite runs the handler again,
    // nested, until the text settles.
    void editChangeRunsNestedUntilTheTextSettles_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("settled");
        QTest::newRow("leading underscores one by one") << "__ab" << "ab";
        QTest::newRow("leading blank trimmed") << " x" << "x";
        QTest::newRow("inner blanks") << "my table" << "my_table";
    }
    void editChangeRunsNestedUntilTheTextSettles()
    {
        QFETCH(QString, typed);
        QFETCH(QString, settled);
        TEdit edit;
        int depth = 0, maxDepth = 0;
        QObject::connect(&edit, &TEdit::Change, [&] {
            ++depth;
            maxDepth = qMax(maxDepth, depth);
            const QString s = edit.text();
            if (s.startsWith(' '))
                edit.setText(s.trimmed());
            else if (s.startsWith('_'))
                edit.setText(s.mid(1));
            else
                edit.setText(QString(s).replace(' ', '_'));
            --depth;
        });
        edit.setText(typed); // assigned by the program
        QCOMPARE(edit.text(), settled);
        edit.clear();
        ui::type(&edit, typed); // typed by the user
        QCOMPARE(edit.text(), settled);
        QVERIFY(maxDepth >= 2);
    }

    void editClearRunsEvenWhenEmptyAndQuietClearRunsNothing()
    {
        TEdit edit;
        int runs = 0;
        QObject::connect(&edit, &TEdit::Change, [&] { ++runs; });
        edit.Clear();
        QCOMPARE(runs, 1);
        edit.setText("a");
        edit.setText("a"); // the same text: nothing
        QCOMPARE(runs, 2);
        edit.ClearQuietly();
        QCOMPARE(edit.text(), QString());
        QCOMPARE(runs, 2);
        edit.setText("b");
        edit.Clear();
        QCOMPARE(runs, 4);
    }

    void listClickIsTheUsersOnly()
    {
        TListBox list;
        list.setItems({"A", "B", "C"});
        list.resize(200, 200);
        list.show();
        QSignalSpy clicks(&list, &TListBox::Click);
        list.setItemIndex(1);
        list.setItems({"A", "B", "C"});
        QCOMPARE(clicks.count(), 0);
        ui::clickItem(&list, 2);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.ItemIndex(), 2);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list.ItemIndex(), 1);
    }

    void comboChangeIsTheUsersOnly()
    {
        TComboBox combo;
        combo.addItems({"False", "True"});
        combo.setTypable(true);
        QSignalSpy changes(&combo, &TComboBox::Change);
        combo.setItemIndex(1);
        combo.setItemIndex(-1);
        QCOMPARE(changes.count(), 0);
        ui::pick(&combo, "True");
        QCOMPARE(changes.count(), 1);
        QTest::keyClicks(combo.lineEdit(), "ab");
        QCOMPARE(changes.count(), 3); // one per keystroke
    }

    // Re-picking the item shown is no change of choice.
    void comboChangeOnlyWhenTheChoiceChanges()
    {
        TComboBox combo;
        combo.addItems({"Set Primary Key", "Set Unique Index", "Set Precision"});
        combo.setItemIndex(-1);
        QSignalSpy changes(&combo, &TComboBox::Change);
        ui::pick(&combo, "Set Precision");
        QCOMPARE(changes.count(), 1);
        ui::pick(&combo, "Set Precision");
        QCOMPARE(changes.count(), 1);
        ui::pick(&combo, "Set Unique Index");
        QCOMPARE(changes.count(), 2);
        combo.setItemIndex(0); // set by the program
        ui::pick(&combo, "Set Primary Key");
        QCOMPARE(changes.count(), 2);
        ui::pick(&combo, "Set Precision");
        QCOMPARE(changes.count(), 3);
    }

    void singleSelectionCannotBeEmptiedByTheUser()
    {
        TListBox list;
        list.setItems({"A", "B"});
        list.resize(200, 300);
        list.show();
        ui::clickItem(&list, 1);
        QSignalSpy clicks(&list, &TListBox::Click);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(50, 280)); // beside the items
        QCOMPARE(list.ItemIndex(), 1);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list.visualItemRect(list.item(1)).center());
        QCOMPARE(list.ItemIndex(), 1);
    }

    void typedComboTextIsNotReplacedByAnItemInAnotherCase()
    {
        QWidget window;
        auto &combo = *new TComboBox(&window);
        combo.addItems({"False", "True"});
        combo.setTypable(true);
        combo.setItemIndex(0);
        auto &other = *new QLineEdit(&window);
        other.move(0, 40);
        window.show();
        QSignalSpy changes(&combo, &TComboBox::Change);
        combo.setFocus();
        combo.lineEdit()->selectAll();
        QTest::keyClicks(combo.lineEdit(), "true");
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        other.setFocus();
        QCOMPARE(combo.currentText(), QString("true"));
        QCOMPARE(changes.count(), 4); // one per keystroke, none for Enter or leaving
        combo.lineEdit()->selectAll();
        QTest::keyClicks(combo.lineEdit(), "True");
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        QCOMPARE(combo.currentText(), QString("True"));
        QCOMPARE(changes.count(), 8);
    }

    void radioGroupChangeOnAnySelectionClickOnUsers()
    {
        TRadioGroup group("Delete Action", {"CASCADE", "SET DEFAULT", "SET NULL"});
        QSignalSpy changes(&group, &TRadioGroup::Change);
        QSignalSpy clicks(&group, &TRadioGroup::Click);
        QCOMPARE(group.ItemIndex(), -1);
        group.setItemIndex(0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 0);
        ui::clickRadio(&group, 2);
        QCOMPARE(changes.count(), 2); // one per switch, not one per button toggled
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(group.selectedText(), QString("SET NULL"));
        group.setItemIndex(-1);
        QCOMPARE(group.selectedText(), QString());
    }

    void handlersConnectedToControlsRunGuarded()
    {
        struct Failing : Screen {
            explicit Failing(AppContext &context) : Screen(context, "TFrmX", "X")
            {
                button = makeButton("CmdGo", "Go");
                on(button, &QPushButton::clicked, [] { throw DbError("refused by the server"); });
            }
            QPushButton *button;
        };
        TestContext context;
        Failing screen(context);
        screen.show();
        ui::click(screen.button);
        ui::click(screen.button);
        QCOMPARE(context.sink.errors, QStringList({"refused by the server", "refused by the server"}));
        QVERIFY(screen.isVisible());
    }

    void uncaughtErrorsShowTheirTextAndTheScreenGoesOn()
    {
        TestContext context;
        Screen screen(context, "TFrmX", "X");
        screen.guarded([] { throw DbError("Table unknown\nNOSUCH"); });
        screen.guarded([] { throw std::runtime_error("plain failure"); });
        QCOMPARE(context.sink.errors, QStringList({"Table unknown\nNOSUCH", "plain failure"}));
        bool ran = false;
        screen.guarded([&] { ran = true; });
        QVERIFY(ran);
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
