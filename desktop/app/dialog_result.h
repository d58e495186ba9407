#pragma once

// How a modal dialog of this program was ended: the values the radio
// protocol and the shell compare against.
enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDRETRY = 4,
};
