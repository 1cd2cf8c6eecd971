#pragma once
// Ends the application once a widget has been painted for the first time, so that the time
// from start to a painted plan can be measured from outside.

class QWidget;

void QuitAfterFirstPaint(QWidget* widget);
