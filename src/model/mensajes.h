#pragma once
// Pieces of the program's messages that quote what the user typed or a file held.

#include <string>
#include <string_view>

namespace abat {

// A text quoted in a message: «text», without the blanks at its ends, on one line (a line break
// or a tab is a blank), cut at 40 characters with '…', so the message box fits the screen
// whatever the text was.
std::string cita(std::string_view texto);

}  // namespace abat
