#pragma once

// Lets the page place tuition statements (tool 118) and run their Setting and Email to
// Parent commands. Called once before a page is shown; calling again changes nothing.
void RegisterStatementOnCanvas();
