#pragma once

#include <string>
#include <string_view>

namespace skyfolio {

// What adding a screen saver to the "programs:" list of ~/.xscreensaver came to.
struct ProgramsListEdit {
    enum class Outcome {
        Added,          // `text` is the whole file with the entry added
        AlreadyListed,  // the list runs the program already; nothing to do
        ListedButOff,   // ... but the entry is switched off ("-")
        Refused,        // `reason` says what in the file could not be read
    };
    Outcome outcome;
    std::string text;
    std::string reason;
};

// Reads the file as xscreensaver does: one setting per line, a backslash at
// a line's end joining the next line to it, "\n" ending each entry of the
// list, the last "programs:" setting the one that counts. An entry may be
// switched off ("-"), name a visual ("GL:") and a name in quotes before its
// command. Adds `command` as the last entry of that list, or a new list of
// it alone when the file has none, laid out as xscreensaver's settings
// program writes it. Every byte of the file stays; the entry is inserted.
// A list that already runs `program`, wherever from and however named, is
// left alone.
ProgramsListEdit addToProgramsList(std::string_view file, std::string_view program, std::string_view command);

}  // namespace skyfolio
