#pragma once

// Lets the page place calendars (tool 960, through the calendar dialog) and run the
// calendar's right-click commands. Calling again changes nothing.
void RegisterCalendarOnCanvas();
