#pragma once
// Driving a dialog's controls by their names as a user does: typing over a field, clicking a
// button or a list row.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

template <typename Widget>
Widget* Control(QWidget& parent, const char* name)
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

inline void Click(QWidget& parent, const char* name)
{
    QTest::mouseClick(Control<QWidget>(parent, name), Qt::LeftButton);
}

inline void ClickRow(QWidget& parent, int row)
{
    auto* list = Control<QListWidget>(parent, "LsWalls");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// What a field or a label shows.
inline QString Text(QWidget& parent, const char* name)
{
    if (auto* edit = parent.findChild<QLineEdit*>(name))
        return edit->text();
    return Control<QLabel>(parent, name)->text();
}
