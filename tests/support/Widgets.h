#pragma once
// Driving windows as a user does: controls found by their names, fields typed over, buttons and
// list rows clicked, and modal dialogs answered once they show. It brings the controls the
// tests find by name.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <type_traits>

#include <gtest/gtest.h>

template <typename Widget = QWidget>
Widget* Control(QObject& parent, const char* name)
{
    Widget* widget = parent.findChild<Widget*>(name);
    if (!widget)
        ADD_FAILURE() << "no control " << name;
    return widget;
}

// Replaces a field's text as typing over it does; an empty text erases it.
inline void Type(QWidget& parent, const char* field, const QString& text)
{
    auto* edit = Control<QLineEdit>(parent, field);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

inline void Trigger(QObject& owner, const char* action)
{
    Control<QAction>(owner, action)->trigger();
}

inline void Click(QWidget& parent, const char* name)
{
    QTest::mouseClick(Control(parent, name), Qt::LeftButton);
}

inline void ClickRow(QWidget& parent, int row, const char* list = "LsWalls")
{
    auto* view = Control<QListWidget>(parent, list);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
}

// What a field, a button or a label shows.
inline QString Text(QWidget& parent, const char* name)
{
    if (auto* edit = parent.findChild<QLineEdit*>(name))
        return edit->text();
    if (auto* button = parent.findChild<QAbstractButton*>(name))
        return button->text();
    return Control<QLabel>(parent, name)->text();
}

inline void Show(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

// Runs the steps once the named dialog, the owner or a child of it, shows modally; should the steps
// leave it open, it is cancelled, so that a fault fails the test instead of hanging it.
template <typename Dialog = QDialog>
void WhenShown(QObject& owner, const char* name, std::function<void(std::type_identity_t<Dialog>&)> steps)
{
    QTimer::singleShot(0, &owner, [&owner, name, steps] {
        auto* dialog = owner.objectName() == name ? qobject_cast<Dialog*>(&owner) : owner.findChild<Dialog*>(name);
        if (!dialog || !dialog->isVisible()) {
            ADD_FAILURE() << name << " was not shown";
            return;
        }
        steps(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << name << " is still open";
            dialog->done(QDialog::Rejected);
        }
    });
}

// Should the named dialog show after all, it is cancelled, so that the test goes on and fails.
inline void ExpectNotShown(QObject& owner, const char* name)
{
    QTimer::singleShot(0, &owner, [&owner, name] {
        auto* dialog = owner.findChild<QDialog*>(name);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << name << " was shown";
            dialog->reject();
        }
    });
}
