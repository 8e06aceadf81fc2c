#pragma once

#include <QApplication>

// Work that holds the window for a moment (reading a page, scanning the library) says
// so with the cursor.
class CBusyCursor
{
public:
    CBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CBusyCursor() { QApplication::restoreOverrideCursor(); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};
