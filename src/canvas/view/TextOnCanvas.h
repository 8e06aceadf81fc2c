#pragma once

// Lets the page place texts (tool 941, through the text dialog) and run the text's own
// command, Text Art. Calling again changes nothing.
void RegisterTextOnCanvas();
